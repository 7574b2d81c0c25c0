// Resource numbers of the graphics tests' own pictures (see make_pictures.py).
#ifndef TARN_TESTS_GRAPHICS_RESOURCES_H
#define TARN_TESTS_GRAPHICS_RESOURCES_H

#define ID_BITMAP_BARS 201
#define ID_BITMAP_STRIP 202
#define ID_ICON_TARN 301
#define ID_ICON_FILE 401

#endif
