// CoolBar: a container of bands over the system's rebar class, each band
// holding one child window with a caption and a gripper.
#include <algorithm>
#include <cstddef>

#include "tarn/bars.h"
#include "tarn/core/detail.h"

namespace tarn {

namespace {

// WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_BORDER | WS_TABSTOP |
// RBS_VARHEIGHT | RBS_TOOLTIPS.
constexpr DWORD coolBarStyle = 0x46810300;

// RBBIM_STYLE | RBBIM_COLORS | RBBIM_TEXT | RBBIM_CHILD | RBBIM_CHILDSIZE |
// RBBIM_SIZE | RBBIM_BACKGROUND.
constexpr UINT bandFields = 0xF7;
constexpr UINT bandStyle = RBBS_CHILDEDGE | RBBS_FIXEDBMP | RBBS_GRIPPERALWAYS;  // 0xA4

// The band record up to cxHeader, as every rebar since the version 6 controls
// reads it (REBARBANDINFOA_V6_SIZE, which is no constant expression).
constexpr UINT bandRecordSize =
    offsetof(REBARBANDINFOA, cxHeader) + sizeof(REBARBANDINFOA::cxHeader);

}  // namespace

CoolBar::CoolBar() = default;

CoolBar::CoolBar(int id_, const Control& parent, int, int, bool enabled_, bool visible_,
                 bool divider_, bool vertical, int exStyle) {
  DWORD style = coolBarStyle | (visible_ ? WS_VISIBLE : 0) | (divider_ ? 0 : CCS_NODIVIDER) |
                (vertical ? RBS_VERTICALGRIPPER | CCS_VERT : 0);
  detail::createChild(*this, REBARCLASSNAMEA, NULL, style, static_cast<DWORD>(exStyle), 0, 0, 0, 0,
                      parent.hwnd, id_);
  // Without a window the object stays usable: messages to it go nowhere.
  if (hwnd == NULL) MessageBoxA(parentHwnd, "Cannot create CoolBar", "ERROR", MB_OK);
  REBARINFO bar = {};
  bar.cbSize = sizeof bar;
  detail::send(hwnd, RB_SETBARINFO, 0, reinterpret_cast<LPARAM>(&bar));
  // Visibility is in the style: no separate show.
  detail::finishCreation(*this, false, enabled_, false);
}

LRESULT CoolBar::addBand(const String& text, const Control& child, bool newLine,
                         COLORREF foreColor) {
  RECT client = {};
  GetClientRect(child.hwnd, &client);

  REBARBANDINFOA band = {};
  band.cbSize = bandRecordSize;
  band.fMask = bandFields;
  band.fStyle = bandStyle | (newLine ? RBBS_BREAK : 0);
  band.clrFore = foreColor;
  band.clrBack = GetSysColor(COLOR_BTNFACE);
  band.lpText = const_cast<char*>(text.c_str());
  band.hwndChild = child.hwnd;
  band.cxMinChild = 0;
  band.cyMinChild = static_cast<UINT>(client.bottom - client.top);
  band.cx = static_cast<UINT>(std::max(0, int(child.width)));
  band.hbmBack = NULL;

  LRESULT inserted =
      detail::send(hwnd, RB_INSERTBANDA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band));
  // Lays the bands out again; the bar's answer to this says nothing.
  detail::send(hwnd, WM_SIZE);
  return inserted;
}

LRESULT CoolBar::refresh() {
  InvalidateRect(hwnd, NULL, TRUE);
  return detail::send(hwnd, WM_SIZE);
}

// ---------------------------------------------------------------------------
// Named options: the positional constructors under another spelling.

CoolBar::CoolBar(const Control& parent, const CoolBarOptions& o)
    : CoolBar(detail::optionsId(o.id), parent, o.x, o.y, o.enabled, o.visible, o.divider,
              o.vertical, o.exStyle) {
  detail::finishOptions(*this, o.id, -1, -1, false);
}

}  // namespace tarn
