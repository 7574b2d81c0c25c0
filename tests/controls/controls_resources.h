// Resource numbers of the control tests' own pictures.
#ifndef TARN_TESTS_CONTROLS_RESOURCES_H
#define TARN_TESTS_CONTROLS_RESOURCES_H

#define ID_ICON_TARN 301
#define ID_BITMAP_BARS 201

#endif
