// Compiled by the embedding project against the interface's public include paths: one header from
// the interface's folder, one from the project's root and one from the model core.
#include "SlotGuard.h"
#include "graphVisualization/LayerPlacement.h"
#include "model/ModelManager.h"

int probeSubproject()
{
    return sizeof(LayerPlacement) > 0 && sizeof(SlotGuard) > 0 && sizeof(ModelManager) > 0 ? 0 : 1;
}
