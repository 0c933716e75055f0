#include "resources/art/TevaroPictures.h"

#include <QtGlobal>

// Q_INIT_RESOURCE declares a function, so it must stand outside any namespace.
static void RegisterTevaroPictures() {
    Q_INIT_RESOURCE(tevaro_pictures);
}

void InitTevaroPictures() {
    // A static local runs the registration once, also when several threads ask.
    static const bool registered = (RegisterTevaroPictures(), true);
    (void)registered;
}
