#ifndef BASECRUD_H
#define BASECRUD_H

#include "workspace/routing/BaseCreate.h"
#include "workspace/routing/BaseDelete.h"
#include "workspace/routing/BaseUpdate.h"

// The change notifications an editor page follows: made, saved and deleted elements.
class BaseCRUD : public BaseCreate, public BaseUpdate, public BaseDelete
{
public:
    BaseCRUD() = default;
    bool createItem(CommandItem *n_command) override = 0;
    ~BaseCRUD() override = default;
    bool deleteItem(CommandItem *n_command) override = 0;
    bool updateItem(CommandItem *n_command) override = 0;
};

#endif // BASECRUD_H
