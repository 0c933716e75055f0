#include "resources/art/TevaroPictures.h"

#include <QResource>

// The resource bundle rcc wrote (--binary), taken into the object file whole by
// the assembler: 8 MB of pictures as a C++ array would cost every build a long
// compile. Aligned as QResource reads its header words.
asm(".pushsection .rodata\n"
    ".balign 16\n"
    ".globl tevaro_pictures_rcc_data\n"
    ".hidden tevaro_pictures_rcc_data\n"
    ".type tevaro_pictures_rcc_data, %object\n"
    "tevaro_pictures_rcc_data:\n"
    ".incbin \"" TEVARO_PICTURES_RCC "\"\n"
    ".size tevaro_pictures_rcc_data, . - tevaro_pictures_rcc_data\n"
    ".byte 0\n"
    ".popsection\n");

extern "C" __attribute__((visibility("hidden"))) const unsigned char tevaro_pictures_rcc_data[];

void InitTevaroPictures() {
    // A static local runs the registration once, also when several threads ask.
    static const bool registered = QResource::registerResource(tevaro_pictures_rcc_data);
    (void)registered;
}
