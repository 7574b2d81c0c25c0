// Private to the toolkit: the colours of the common controls' families in the
// colour schemes (commctl/commctl_schemes.cpp), each given its window and
// whether the scheme is dark (the colours it had before when not). Views and
// rich text take their colours through their own messages; the program's
// colours, kept in their records, stay as the program set them.
#ifndef TARN_COMMCTL_SCHEMES_H
#define TARN_COMMCTL_SCHEMES_H

#include "tarn/property.h"

namespace tarn {
namespace detail {

void listViewScheme(HWND view, bool dark);
void headerScheme(HWND header, bool dark);
void treeViewScheme(HWND tree, bool dark);
void richTextScheme(HWND box, bool dark);
void scrollBarScheme(HWND bar, bool dark);
void tabScheme(HWND tab, bool dark);
void toolbarScheme(HWND bar, bool dark);

}  // namespace detail
}  // namespace tarn

#endif  // TARN_COMMCTL_SCHEMES_H
