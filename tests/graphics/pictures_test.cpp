// Icons, bitmaps, image lists and drawing pixels onto windows.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "graphics_resources.h"
#include "support/dialog_answerer.h"
#include "support/support.h"
#include <tarn/tarn.h>
#include "tarn/graphics/dib.h"

using namespace tarn;
using namespace testing_support;

namespace {

std::uint32_t read32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) |
         (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

SIZE iconSize(HICON icon) {
  SIZE size = {0, 0};
  ICONINFO info;
  if (!GetIconInfo(icon, &info)) return size;
  BITMAP bm;
  if (info.hbmColor && GetObjectA(info.hbmColor, sizeof bm, &bm)) {
    size.cx = bm.bmWidth;
    size.cy = bm.bmHeight;
  }
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  return size;
}

// The icon file compiled into this program as raw data, written to a file.
bool writeIconFile(const TempFile& file) {
  HRSRC found = FindResourceA(NULL, MAKEINTRESOURCEA(ID_ICON_FILE), MAKEINTRESOURCEA(10));
  if (!found) return false;
  HGLOBAL data = LoadResource(NULL, found);
  const char* bytes = static_cast<const char*>(LockResource(data));
  return bytes && file.write(std::string(bytes, SizeofResource(NULL, found)));
}

bool hasExpression(const SeenBox& box, const std::string& expression) {
  return box.caption == "Tarn runtime check" &&
         box.text.find("Expression: " + expression + "\r\n") != std::string::npos;
}

}  // namespace

// ---------------------------------------------------------------------------
// DIB records

TEST(DibInfo, HeaderFieldsForThirtyTwoBits) {
  std::vector<std::uint8_t> info = dib::infoBytes(64, 210, 32);
  ASSERT_EQ(44u, info.size());  // header and the one cleared colour entry
  EXPECT_EQ(40u, read32(info, 0));
  EXPECT_EQ(64u, read32(info, 4));
  EXPECT_EQ(210u, read32(info, 8));  // positive: bottom row first
  EXPECT_EQ(1, info[12] | (info[13] << 8));
  EXPECT_EQ(32, info[14] | (info[15] << 8));
  EXPECT_EQ(0u, read32(info, 16));
  EXPECT_EQ(32u * 64 * 210 / 8, read32(info, 20));
  for (std::size_t i = 24; i < info.size(); ++i) EXPECT_EQ(0, info[i]) << i;
}

TEST(DibInfo, IndexedDepthsCarryAWholeGreyTable) {
  EXPECT_EQ(40u + 4 * 2, dib::infoBytes(8, 1, 1).size());
  EXPECT_EQ(40u + 4 * 16, dib::infoBytes(8, 1, 4).size());
  std::vector<std::uint8_t> info = dib::infoBytes(3, 1, 8);
  ASSERT_EQ(40u + 4 * 256, info.size());
  EXPECT_EQ(0u, read32(info, 40));
  EXPECT_EQ(0x00808080u, read32(info, 40 + 4 * 128));
  EXPECT_EQ(0x00FFFFFFu, read32(info, 40 + 4 * 255));
  // The stated size counts no row padding: 8 x 3 x 1 / 8.
  EXPECT_EQ(3u, read32(info, 20));
}

TEST(DibInfo, RowsArePaddedToWords) {
  EXPECT_EQ(12u, dib::rowBytes(3, 24));
  EXPECT_EQ(4u, dib::rowBytes(1, 1));
  EXPECT_EQ(8u, dib::rowBytes(33, 1));
  EXPECT_EQ(24u, dib::imageBytes(3, 2, 24));
  EXPECT_EQ(0u, dib::statedImageSize(0x10000, 0x10000, 32));  // does not fit 32 bits
}

TEST(DibInfo, OnlySensiblePicturesAreDrawable) {
  EXPECT_TRUE(dib::drawable(1, 1, 32));
  EXPECT_FALSE(dib::drawable(0, 1, 32));
  EXPECT_FALSE(dib::drawable(1, -1, 32));
  EXPECT_FALSE(dib::drawable(4, 4, 7));
  EXPECT_FALSE(dib::drawable(4, 4, 0));
  EXPECT_FALSE(dib::drawable(100000, 100000, 32));  // more bytes than an int counts
}

// ---------------------------------------------------------------------------
// Icons

TEST(IconTest, FromTheProgramsResources) {
  Icon icon(static_cast<unsigned>(ID_ICON_TARN));
  ASSERT_FALSE(icon.isNull());
  SIZE size = iconSize(icon.handle);
  EXPECT_EQ(GetSystemMetrics(SM_CXICON), size.cx);
  // Only the low 16 bits name the resource.
  EXPECT_EQ(icon.handle, Icon(0x10000u + ID_ICON_TARN).handle);
  EXPECT_TRUE(Icon(999u).isNull());
}

TEST(IconTest, SystemIconsByName) {
  EXPECT_EQ(LoadIconA(NULL, IDI_APPLICATION), Icon(IDI_APPLICATION).handle);
  EXPECT_FALSE(Icon(IDI_WARNING).isNull());
  EXPECT_TRUE(Icon("NO_SUCH_SYSTEM_ICON").isNull());
  EXPECT_TRUE(Icon(static_cast<const char*>(nullptr)).isNull());
}

TEST(IconTest, FromAFileAtSixtyFourPixels) {
  TempFile file(".ico");
  ASSERT_TRUE(writeIconFile(file));
  Icon icon{String(file.path())};
  ASSERT_FALSE(icon.isNull());
  SIZE size = iconSize(icon.handle);
  EXPECT_EQ(64, size.cx);
  EXPECT_EQ(64, size.cy);

  EXPECT_TRUE(Icon(String("C:\\no\\such\\icon.ico")).isNull());
  TempFile junk(".ico");
  ASSERT_TRUE(junk.write("not an icon at all"));
  EXPECT_TRUE(Icon(String(junk.path())).isNull());
  TempFile truncated(".ico");
  ASSERT_TRUE(truncated.write(file.read().substr(0, 30)));
  EXPECT_TRUE(Icon(String(truncated.path())).isNull());
}

TEST(IconTest, CopiesShareTheHandle) {
  Icon a(IDI_APPLICATION);
  Icon b = a;
  Icon c;
  EXPECT_TRUE(c.isNull());
  c = a;
  EXPECT_EQ(a.handle, b.handle);
  EXPECT_EQ(a.handle, c.handle);
}

// ---------------------------------------------------------------------------
// Bitmaps

TEST(BitmapTest, FromResourcesByNumberAndName) {
  BoxAnswerer boxes(IDIGNORE);
  Bitmap byNumber(static_cast<unsigned>(ID_BITMAP_BARS));
  Bitmap byName("BARS");
  Bitmap highBits(0x30000u + ID_BITMAP_BARS);
  for (Bitmap* b : {&byNumber, &byName, &highBits}) {
    ASSERT_FALSE(b->isNull());
    EXPECT_EQ(5, int(b->width));
    EXPECT_EQ(3, int(b->height));
  }
  EXPECT_TRUE(boxes.boxes().empty());
}

TEST(BitmapTest, FromAHandle) {
  HBITMAP handle = CreateBitmap(7, 2, 1, 32, NULL);
  Bitmap bitmap(handle);
  EXPECT_EQ(handle, bitmap.bmp);
  EXPECT_EQ(7, int(bitmap.width));
  EXPECT_EQ(2, int(bitmap.height));
  EXPECT_EQ(32, bitmap.info.bmBitsPixel);
  DeleteObject(handle);
}

TEST(BitmapTest, CopiesShareTheHandleAndReadTheirOwnRecord) {
  Bitmap original(static_cast<unsigned>(ID_BITMAP_BARS));
  Bitmap copy = original;
  EXPECT_EQ(original.bmp, copy.bmp);
  original.info.bmWidth = 99;  // the copy's properties read the copy
  EXPECT_EQ(5, int(copy.width));
  Bitmap assigned;
  assigned = copy;
  copy.info.bmHeight = 42;
  EXPECT_EQ(3, int(assigned.height));
  EXPECT_EQ(99, int(original.width));
}

TEST(BitmapChecks, MissingHandleOrResourceShowsTheConstructorCheck) {
  BoxAnswerer boxes(IDIGNORE);
  Bitmap fromHandle(static_cast<HBITMAP>(NULL));
  Bitmap fromNumber(999u);
  Bitmap fromName("NO_SUCH_BITMAP");
  Bitmap fromNull(static_cast<const char*>(nullptr));
  ASSERT_EQ(4u, boxes.boxes().size());
  for (const auto& box : boxes.boxes()) {
    EXPECT_TRUE(hasExpression(box, "this->bmp!=NULL")) << box.text;
    EXPECT_NE(std::string::npos, box.text.find("bitmap.cpp")) << box.text;
  }
  EXPECT_TRUE(fromNumber.isNull());
  EXPECT_TRUE(fromName.isNull());
}

TEST(BitmapChecks, SizeOfAnEmptyBitmapShowsItsCheckAndReadsZero) {
  BoxAnswerer boxes(IDRETRY);
  Bitmap empty;
  EXPECT_TRUE(boxes.boxes().empty());  // the empty constructor checks nothing
  EXPECT_EQ(0, int(empty.width));
  EXPECT_EQ(0, int(empty.height));
  Bitmap failed(999u);
  EXPECT_EQ(0, int(failed.width));
  ASSERT_EQ(4u, boxes.boxes().size());
  EXPECT_TRUE(hasExpression(boxes.boxes()[0], "bmp!=NULL"));
  EXPECT_TRUE(hasExpression(boxes.boxes()[1], "bmp!=NULL"));
  EXPECT_TRUE(hasExpression(boxes.boxes()[2], "this->bmp!=NULL"));
  EXPECT_TRUE(hasExpression(boxes.boxes()[3], "bmp!=NULL"));
}

// ---------------------------------------------------------------------------
// Image lists

TEST(ImageListTest, SmallOrLargeIconMetrics) {
  ImageList small;
  EXPECT_EQ(NULL, small.list);
  EXPECT_EQ(0, small.count);
  small.addIcon(Icon(IDI_APPLICATION));
  ASSERT_NE(nullptr, small.list);
  int cx = 0, cy = 0;
  ASSERT_TRUE(ImageList_GetIconSize(small.list, &cx, &cy));
  EXPECT_EQ(GetSystemMetrics(SM_CXSMICON), cx);
  EXPECT_EQ(GetSystemMetrics(SM_CYSMICON), cy);

  ImageList large(7);  // any non-zero value
  large.addIcon(Icon(IDI_APPLICATION));
  ASSERT_TRUE(ImageList_GetIconSize(large.list, &cx, &cy));
  EXPECT_EQ(GetSystemMetrics(SM_CXICON), cx);
  EXPECT_EQ(GetSystemMetrics(SM_CYICON), cy);
}

TEST(ImageListTest, SlotsFollowTheOrderOfAdding) {
  ImageList images;
  Icon own(static_cast<unsigned>(ID_ICON_TARN));
  EXPECT_EQ(0, images.addIcon(static_cast<unsigned>(ID_ICON_TARN)));
  EXPECT_EQ(1, images.addIcon(Icon(IDI_APPLICATION)));
  EXPECT_EQ(2, images.addIcon("TARNICON", GetModuleHandleA(NULL)));
  EXPECT_EQ(3, images.addIcon(IDI_WARNING, NULL));
  EXPECT_EQ(4, images.count);
  EXPECT_EQ(own.handle, images.iconAt(0).handle);
  EXPECT_EQ(LoadIconA(NULL, IDI_APPLICATION), images.iconAt(1).handle);
  EXPECT_FALSE(images.iconAt(2).isNull());
  EXPECT_EQ(LoadIconA(NULL, IDI_WARNING), images.iconAt(3).handle);
  EXPECT_EQ(4, ImageList_GetImageCount(images.list));
  // Outside the slots: an empty icon, never a read past the table.
  EXPECT_TRUE(images.iconAt(4).isNull());
  EXPECT_TRUE(images.iconAt(-1).isNull());
  EXPECT_TRUE(images.iconAt(1 << 30).isNull());
}

namespace {

// The colour at (x, y) of image `index` drawn over white.
COLORREF imagePixel(HIMAGELIST list, int index, int x, int y) {
  int cx = 0, cy = 0;
  ImageList_GetIconSize(list, &cx, &cy);
  HDC screenDc = GetDC(NULL);
  HDC memory = CreateCompatibleDC(screenDc);
  HBITMAP canvas = CreateCompatibleBitmap(screenDc, cx, cy);
  ReleaseDC(NULL, screenDc);
  HGDIOBJ previous = SelectObject(memory, canvas);
  PatBlt(memory, 0, 0, cx, cy, WHITENESS);
  ImageList_Draw(list, index, memory, 0, 0, ILD_TRANSPARENT);
  COLORREF colour = GetPixel(memory, x, y);
  SelectObject(memory, previous);
  DeleteObject(canvas);
  DeleteDC(memory);
  return colour;
}

bool orangeish(COLORREF c) { return GetRValue(c) > 200 && GetBValue(c) < 100 && GetGValue(c) < 200; }

}  // namespace

TEST(ImageListTest, AnExternalIconThatFailsWarnsAndStillTakesItsSlot) {
  BoxAnswerer boxes(IDOK);
  ImageList images;
  EXPECT_EQ(0, images.addIcon("NO_SUCH_ICON", GetModuleHandleA(NULL)));
  ASSERT_EQ(1u, boxes.boxes().size());
  EXPECT_EQ("WARNING", boxes.boxes()[0].caption);
  EXPECT_EQ("There is problem loading external icon", boxes.boxes()[0].text);
  EXPECT_EQ(1, images.count);
  EXPECT_TRUE(images.iconAt(0).isNull());
  ASSERT_NE(nullptr, images.list);

  // The failed slot still holds an (empty) image, so later icons keep their index.
  EXPECT_EQ(1, images.addIcon(static_cast<unsigned>(ID_ICON_TARN)));
  EXPECT_EQ(2, ImageList_GetImageCount(images.list));
  int cx = 0, cy = 0;
  ImageList_GetIconSize(images.list, &cx, &cy);
  EXPECT_TRUE(orangeish(imagePixel(images.list, 1, cx - 2, cy - 2)));
  EXPECT_EQ(RGB(255, 255, 255), imagePixel(images.list, 0, cx - 2, cy - 2));
  // The icon's own transparent corner shows the background.
  EXPECT_EQ(RGB(255, 255, 255), imagePixel(images.list, 1, 1, 1));

  // The other forms stay silent about icons that do not load.
  EXPECT_EQ(2, images.addIcon(999u));
  EXPECT_EQ(3, images.addIcon(Icon()));
  EXPECT_EQ(1u, boxes.boxes().size());
  EXPECT_EQ(4, ImageList_GetImageCount(images.list));
}

TEST(ImageListTest, GrowsPastTheFirstHundredSlots) {
  ImageList images;
  HICON icon = LoadIconA(NULL, IDI_APPLICATION);
  for (int i = 0; i < 150; ++i) ASSERT_EQ(i, images.addIcon(Icon(icon)));
  EXPECT_EQ(150, images.count);
  EXPECT_EQ(icon, images.iconAt(149).handle);
  EXPECT_EQ(150, ImageList_GetImageCount(images.list));
}

TEST(ImageListTest, LoadStripCutsABitmapIntoIconsWithoutTouchingTheList) {
  ImageList small;
  HIMAGELIST strip = small.loadStrip(static_cast<unsigned>(ID_BITMAP_STRIP));
  ASSERT_NE(nullptr, strip);
  EXPECT_EQ(NULL, small.list);
  int cx = 0, cy = 0;
  ASSERT_TRUE(ImageList_GetIconSize(strip, &cx, &cy));
  EXPECT_EQ(GetSystemMetrics(SM_CXSMICON), cx);
  EXPECT_EQ(48 / cx, ImageList_GetImageCount(strip));
  if (cx == 16) {
    EXPECT_EQ(RGB(255, 0, 0), imagePixel(strip, 0, 5, 5));
    EXPECT_EQ(RGB(0, 0, 255), imagePixel(strip, 2, 5, 5));
  }
  ImageList_Destroy(strip);

  ImageList large(1);
  large.addIcon(Icon(IDI_APPLICATION));
  HIMAGELIST list = large.list;
  HIMAGELIST big = large.loadStrip(static_cast<unsigned>(ID_BITMAP_STRIP));
  ASSERT_NE(nullptr, big);
  EXPECT_EQ(list, large.list);
  ASSERT_TRUE(ImageList_GetIconSize(big, &cx, &cy));
  EXPECT_EQ(GetSystemMetrics(SM_CXICON), cx);
  EXPECT_EQ(48 / cx, ImageList_GetImageCount(big));
  ImageList_Destroy(big);

  EXPECT_EQ(nullptr, small.loadStrip(999u));
}

// ---------------------------------------------------------------------------
// Drawing onto windows, read back from the window's pixels

namespace {

LRESULT CALLBACK plainProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}

const COLORREF background = RGB(128, 128, 128);

class DrawingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static ATOM atom = 0;
    if (!atom) {
      WNDCLASSA wc = {};
      wc.lpfnWndProc = plainProcedure;
      wc.hInstance = GetModuleHandleA(NULL);
      wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
      wc.lpszClassName = "TarnDrawingTest";
      atom = RegisterClassA(&wc);
    }
    window = CreateWindowExA(WS_EX_TOPMOST, "TarnDrawingTest", "Drawing",
                             WS_OVERLAPPEDWINDOW | WS_VISIBLE, 60, 60, 300, 200, NULL, NULL,
                             GetModuleHandleA(NULL), NULL);
    ASSERT_NE(nullptr, window);
    UpdateWindow(window);
    pump(200);
    ASSERT_EQ(background, pixel(5, 5));
  }
  void TearDown() override {
    if (window) DestroyWindow(window);
  }

  COLORREF pixel(int x, int y) const {
    HDC dc = GetDC(window);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return c;
  }
  COLORREF framePixel(int x, int y) const {
    HDC dc = GetWindowDC(window);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return c;
  }

  HWND window = NULL;
};

// Blue, green, red, unused.
void putPixel32(std::vector<std::uint8_t>& bytes, std::size_t at, COLORREF c) {
  bytes[at] = GetBValue(c);
  bytes[at + 1] = GetGValue(c);
  bytes[at + 2] = GetRValue(c);
}

}  // namespace

TEST_F(DrawingTest, ThirtyTwoBitPixelsBottomRowFirst) {
  // 4 x 2: the first stored row (red) is the bottom one; the top row is blue
  // with one white pixel at its right end.
  std::vector<std::uint8_t> pixels(4 * 2 * 4, 0);
  for (int x = 0; x < 4; ++x) {
    putPixel32(pixels, static_cast<std::size_t>(x) * 4, RGB(255, 0, 0));
    putPixel32(pixels, 16 + static_cast<std::size_t>(x) * 4, x == 3 ? RGB(255, 255, 255) : RGB(0, 0, 255));
  }
  EXPECT_NE(0, drawDib(window, 10, 20, 4, 2, pixels.data(), 32));
  EXPECT_EQ(RGB(0, 0, 255), pixel(10, 20));
  EXPECT_EQ(RGB(255, 255, 255), pixel(13, 20));
  EXPECT_EQ(RGB(255, 0, 0), pixel(10, 21));
  EXPECT_EQ(RGB(255, 0, 0), pixel(13, 21));
  EXPECT_EQ(background, pixel(14, 20));
  EXPECT_EQ(background, pixel(10, 22));
  EXPECT_EQ(background, pixel(9, 20));
}

TEST_F(DrawingTest, TwentyFourBitRowsArePadded) {
  // 3 pixels of 3 bytes: each row is stored in 12 bytes.
  std::vector<std::uint8_t> pixels(dib::imageBytes(3, 2, 24), 0xEE);
  auto put = [&](int row, int x, COLORREF c) {
    std::size_t at = static_cast<std::size_t>(row) * 12 + static_cast<std::size_t>(x) * 3;
    pixels[at] = GetBValue(c);
    pixels[at + 1] = GetGValue(c);
    pixels[at + 2] = GetRValue(c);
  };
  for (int x = 0; x < 3; ++x) put(0, x, RGB(0, 255, 0));
  put(1, 0, RGB(255, 255, 255));
  put(1, 1, RGB(0, 0, 0));
  put(1, 2, RGB(255, 0, 0));
  EXPECT_NE(0, drawDib(window, 40, 50, 3, 2, pixels.data(), 24));
  EXPECT_EQ(RGB(255, 255, 255), pixel(40, 50));
  EXPECT_EQ(RGB(0, 0, 0), pixel(41, 50));
  EXPECT_EQ(RGB(255, 0, 0), pixel(42, 50));
  EXPECT_EQ(RGB(0, 255, 0), pixel(40, 51));
  EXPECT_EQ(RGB(0, 255, 0), pixel(42, 51));
}

TEST_F(DrawingTest, IndexedPixelsDrawAsGreyLevels) {
  std::uint8_t bytes8[4] = {0, 255, 128, 0};
  EXPECT_NE(0, drawDib(window, 60, 10, 3, 1, bytes8, 8));
  EXPECT_EQ(RGB(0, 0, 0), pixel(60, 10));
  EXPECT_EQ(RGB(255, 255, 255), pixel(61, 10));
  EXPECT_EQ(RGB(128, 128, 128), pixel(62, 10));

  std::uint8_t bytes1[4] = {0xA0, 0, 0, 0};  // 1, 0, 1, 0
  EXPECT_NE(0, drawDib(window, 70, 10, 4, 1, bytes1, 1));
  EXPECT_EQ(RGB(255, 255, 255), pixel(70, 10));
  EXPECT_EQ(RGB(0, 0, 0), pixel(71, 10));
  EXPECT_EQ(RGB(255, 255, 255), pixel(72, 10));
}

TEST_F(DrawingTest, TheWindowFormDrawsOverTheFrame) {
  std::vector<std::uint8_t> pixels(2 * 2 * 4, 0);
  for (std::size_t i = 0; i < 4; ++i) putPixel32(pixels, i * 4, RGB(255, 0, 255));
  EXPECT_NE(0, drawDibWindow(window, 0, 0, 2, 2, pixels.data(), 32));
  EXPECT_EQ(RGB(255, 0, 255), framePixel(0, 0));
  EXPECT_EQ(RGB(255, 0, 255), framePixel(1, 1));
  // The client area's origin is below the caption, so it was not touched.
  EXPECT_EQ(background, pixel(0, 0));
}

TEST_F(DrawingTest, NothingIsDrawnForBadArguments) {
  std::vector<std::uint8_t> pixels(4 * 4 * 4, 0);  // black
  EXPECT_EQ(0, drawDib(window, 0, 0, 4, 4, nullptr, 32));
  EXPECT_EQ(0, drawDib(window, 0, 0, 4, 4, pixels.data(), 7));
  EXPECT_EQ(0, drawDib(window, 0, 0, 0, 4, pixels.data(), 32));
  EXPECT_EQ(0, drawDib(window, 0, 0, 4, -4, pixels.data(), 32));
  EXPECT_EQ(0, drawDib(NULL, 0, 0, 4, 4, pixels.data(), 32));
  EXPECT_EQ(0, drawDibWindow(NULL, 0, 0, 4, 4, pixels.data(), 32));
  EXPECT_EQ(background, pixel(1, 1));
}

TEST_F(DrawingTest, DrawBitmapCopiesTheWholeBitmapUnscaled) {
  Control target(window);
  Bitmap bars(static_cast<unsigned>(ID_BITMAP_BARS));
  EXPECT_TRUE(drawBitmap(target, bars, 30, 40));
  EXPECT_EQ(RGB(255, 255, 255), pixel(30, 40));
  EXPECT_EQ(RGB(255, 0, 0), pixel(31, 40));
  EXPECT_EQ(RGB(255, 0, 0), pixel(34, 40));
  EXPECT_EQ(RGB(0, 255, 0), pixel(30, 41));
  EXPECT_EQ(RGB(0, 0, 255), pixel(34, 42));
  EXPECT_EQ(background, pixel(35, 40));
  EXPECT_EQ(background, pixel(30, 43));
  // The bitmap is free again after each draw, so it can be drawn again.
  EXPECT_TRUE(drawBitmap(target, bars, 100, 10));
  EXPECT_EQ(RGB(0, 0, 255), pixel(104, 12));
}

TEST_F(DrawingTest, DrawBitmapOfAnEmptyBitmapShowsOneCheckAndDrawsNothing) {
  BoxAnswerer boxes(IDIGNORE);
  Control target(window);
  EXPECT_FALSE(drawBitmap(target, Bitmap(), 0, 0));
  ASSERT_EQ(1u, boxes.boxes().size());
  EXPECT_TRUE(hasExpression(boxes.boxes()[0], "bmp.bmp != NULL")) << boxes.boxes()[0].text;
  EXPECT_EQ(background, pixel(0, 0));
}

TEST(DrawBitmapTest, AWindowObjectWithoutAWindowDrawsNothing) {
  BoxAnswerer boxes(IDIGNORE);
  Control none;
  EXPECT_FALSE(drawBitmap(none, Bitmap(static_cast<unsigned>(ID_BITMAP_BARS)), 0, 0));
  EXPECT_TRUE(boxes.boxes().empty());
}
