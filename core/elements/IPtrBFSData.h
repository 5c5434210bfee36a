#ifndef IPTRBFSDATA_H
#define IPTRBFSDATA_H

#include <QSet>
#include <QSharedPointer>
#include <QWeakPointer>

class RuleVertex;

// Data one search leaves on a vertex of the class network. T is the kind of vertex the search came
// from: a rule for a parameter, a parameter for a rule. The solver and its solution read and write
// the fields directly, hence public.
template<class T>
class IPtrBFSData
{
public:
    typedef QSharedPointer<T> ObjectTemplateSharedPtr;
    typedef QSet<QSharedPointer<RuleVertex>> BFSRulesSet;

    IPtrBFSData() : m_explored(false), m_required(false) {}
    virtual ~IPtrBFSData() {}

    virtual void setBFSParent(ObjectTemplateSharedPtr n_parent) = 0;

    // The search parent made strong; null when none is set or it is gone.
    ObjectTemplateSharedPtr getBFSParent() const { return m_BFSParent.toStrongRef(); }

    // The current search has reached the vertex.
    bool m_explored;
    // The vertex is a required parameter of the current search (unused for rules).
    bool m_required;
    // The vertex through which the search reached this one.
    QWeakPointer<T> m_BFSParent;
    // Every rule on the chosen derivation up to this vertex; its size is the length of that path.
    BFSRulesSet m_BFSRules;
};

#endif // IPTRBFSDATA_H
