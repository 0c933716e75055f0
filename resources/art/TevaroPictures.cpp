#include "resources/art/TevaroPictures.h"

void InitTevaroPictures() {}
