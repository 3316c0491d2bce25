#include "app/widgets/appresources.h"

#include <QtGlobal>

static void RegisterResources() { Q_INIT_RESOURCE(kavimo); }

void InitAppResources() {
    static const bool registered = (RegisterResources(), true);
    (void)registered;
}
