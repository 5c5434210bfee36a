#ifndef EDGEITEM_H
#define EDGEITEM_H

#include "BaseEdge.h"

// The arrow class of the solution graph.
class EdgeItem : public BaseEdge
{
public:
    using BaseEdge::BaseEdge;
};

#endif // EDGEITEM_H
