#pragma once

// Registers the embedded pictures (":/png/<id>.png") with Qt's resource
// system. Safe to call more than once; CPictureStore calls it before its first
// look-up.
void InitTevaroPictures();
