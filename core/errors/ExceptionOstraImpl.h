#ifndef EXCEPTIONOSTRAIMPL_H
#define EXCEPTIONOSTRAIMPL_H

#include "errors/ExceptionOstra.h"

// Gives a concrete exception its raise() and clone(), so that rethrowing through a base reference
// keeps the most-derived class. Derived is still incomplete where this is instantiated, which rules
// out a covariant Derived* from clone(); the returned object is nevertheless a Derived.
template<class Derived, class Base>
class ExceptionOstraImpl : public Base
{
public:
    using Base::Base;

    void raise() const override { throw static_cast<const Derived &>(*this); }
    Base *clone() const override { return new Derived(static_cast<const Derived &>(*this)); }
};

#endif // EXCEPTIONOSTRAIMPL_H
