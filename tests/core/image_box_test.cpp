// The image box: what it asks the list view for, and the picture on screen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/support.h"
#include <tarn/tarn.h>

using namespace tarn;
using namespace testing_support;

namespace {

struct Request {
  ULONG flags;
  std::string image;
  bool visible;
  HBITMAP bitmap;
};

std::vector<Request> requests;
HHOOK hook = NULL;

LRESULT CALLBACK watchSent(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    const CWPSTRUCT* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (sent->message == LVM_SETBKIMAGEA && sent->lParam) {
      const LVBKIMAGEA* r = reinterpret_cast<const LVBKIMAGEA*>(sent->lParam);
      requests.push_back({r->ulFlags, r->pszImage ? r->pszImage : "<null>",
                          IsWindowVisible(sent->hwnd) != 0, r->hbm});
    }
  }
  return CallNextHookEx(hook, code, wParam, lParam);
}

class ImageBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    requests.clear();
    hook = SetWindowsHookExA(WH_CALLWNDPROC, watchSent, NULL, GetCurrentThreadId());
    form = Form("pictures", 100, 100, 200, 200, 10, true, true, false, false, false, Control(),
                false, 8);
  }
  void TearDown() override {
    UnhookWindowsHookEx(hook);
    form.destroy();
  }
  Form form;
};

constexpr COLORREF red = RGB(255, 0, 0);
constexpr COLORREF blue = RGB(0, 0, 255);

std::string exePath() {
  char path[MAX_PATH] = {0};
  GetModuleFileNameA(NULL, path, MAX_PATH);
  return path;
}

COLORREF settledPixel(HWND window, int x, int y) {
  RedrawWindow(window, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  pump(30);
  return pixelAt(window, x, y) & 0xFFFFFF;
}

}  // namespace

TEST(ImageBoxUrl, ResourceUrls) {
  EXPECT_EQ("res://C:\\Apps\\Run.exe/#2/#101", ImageBox::resourceUrl("C:\\Apps\\Run.exe", 101, 1));
  EXPECT_EQ("res://m.dll/#3/#7", ImageBox::resourceUrl("m.dll", 7, 0));
  EXPECT_EQ("res://m.dll/#3/#7", ImageBox::resourceUrl("m.dll", 7, 2));
  EXPECT_EQ("res://m.dll/#3/#7", ImageBox::resourceUrl("m.dll", 7, -5));
  EXPECT_EQ("res://m.dll/#2/#0", ImageBox::resourceUrl("m.dll", 0, 1));
  EXPECT_EQ("res://m.dll/#2/#2147483647", ImageBox::resourceUrl("m.dll", 2147483647u, 1));
  EXPECT_EQ("res://m.dll/#2/#2147483648.00", ImageBox::resourceUrl("m.dll", 2147483648u, 1));
}

TEST_F(ImageBoxTest, CreationPassesItsArgumentsAndShowsAfterTheRequest) {
  TempFile picture(".bmp");
  picture.write(makeBmp(16, 16, [](int x, int) { return x < 8 ? red : blue; }));
  ImageBox box(4321, picture.path(), 65536 + 5, 7, 64, 48, form, WS_EX_CLIENTEDGE);
  EXPECT_EQ(4321, box.id);
  EXPECT_EQ(4321, GetDlgCtrlID(box.hwnd));
  EXPECT_EQ(form.hwnd, box.parentHwnd);
  EXPECT_EQ(5, int(box.x));  // positions are 16-bit
  EXPECT_TRUE(box.hasExStyle(WS_EX_CLIENTEDGE));
  EXPECT_EQ(static_cast<LONG>(WS_CHILD | WS_TABSTOP | WS_VISIBLE),
            box.currentStyle() & ~(WS_CLIPSIBLINGS));
  EXPECT_EQ("ImageBox", windowText(box.hwnd));
  EXPECT_EQ(CLR_NONE, static_cast<COLORREF>(SendMessageA(box.hwnd, LVM_GETBKCOLOR, 0, 0)));
  EXPECT_EQ(CLR_NONE, static_cast<COLORREF>(SendMessageA(box.hwnd, LVM_GETTEXTBKCOLOR, 0, 0)));
  ASSERT_GE(requests.size(), 1u);
  EXPECT_EQ(0x12u, requests[0].flags);  // the URL first, exactly as given
  EXPECT_EQ(picture.path(), requests[0].image);
  EXPECT_FALSE(requests[0].visible);
  EXPECT_TRUE(bool(box.visible));
}

TEST_F(ImageBoxTest, ATiledFilePictureFillsTheBox) {
  TempFile picture(".bmp");
  picture.write(makeBmp(16, 16, [](int x, int) { return x < 8 ? red : blue; }));
  ImageBox box(1, picture.path(), 0, 0, 64, 48, form, 0);
  EXPECT_EQ(red, settledPixel(box.hwnd, 3, 3));
  EXPECT_EQ(blue, settledPixel(box.hwnd, 12, 3));
  EXPECT_EQ(red, settledPixel(box.hwnd, 19, 3));   // second copy across
  EXPECT_EQ(blue, settledPixel(box.hwnd, 60, 40));  // last copy, down and across
}

TEST_F(ImageBoxTest, AnUntiledPictureSitsAtTheTopLeftOnce) {
  ImageBox box(1, std::string(), 0, 0, 64, 48, form, 0);
  TempFile picture(".bmp");
  picture.write(makeBmp(16, 16, [](int x, int) { return x < 8 ? red : blue; }));
  requests.clear();
  EXPECT_TRUE(box.setImage(picture.path(), false));
  ASSERT_GE(requests.size(), 1u);
  EXPECT_EQ(0x02u, requests[0].flags);
  EXPECT_EQ(red, settledPixel(box.hwnd, 3, 3));
  EXPECT_EQ(blue, settledPixel(box.hwnd, 12, 3));
  EXPECT_NE(red, settledPixel(box.hwnd, 19, 3));
  EXPECT_NE(blue, settledPixel(box.hwnd, 60, 40));
}

TEST_F(ImageBoxTest, TheResourceConstructorAsksForNothingThenTheProgramsBitmap) {
  ImageBox box(7, 101u, 0, 0, 64, 48, form, 0);
  ASSERT_GE(requests.size(), 2u);
  EXPECT_EQ(0x12u, requests[0].flags);
  EXPECT_EQ("", requests[0].image);
  EXPECT_FALSE(requests[0].visible);
  // The next URL request comes after the box was shown.
  std::size_t second = 1;
  while (second < requests.size() && requests[second].image == "<null>") ++second;
  ASSERT_LT(second, requests.size());
  EXPECT_EQ(0x12u, requests[second].flags);
  EXPECT_EQ("res://" + exePath() + "/#2/#101", requests[second].image);
  EXPECT_TRUE(requests[second].visible);
  EXPECT_EQ(red, settledPixel(box.hwnd, 3, 3));
  EXPECT_EQ(blue, settledPixel(box.hwnd, 12, 3));
  EXPECT_EQ(red, settledPixel(box.hwnd, 35, 20));
}

TEST_F(ImageBoxTest, MissingPicturesAreRefused) {
  ImageBox box(1, std::string(), 0, 0, 64, 48, form, 0);
  EXPECT_FALSE(box.setImage("C:\\no\\such\\picture.bmp", true));
  EXPECT_FALSE(box.setImage("", false));
  EXPECT_FALSE(box.setImageFromResource(999, 1));
  EXPECT_FALSE(box.setImageFromResource(101, 0));  // no icon under that number
  EXPECT_FALSE(box.setImageFromModule("C:\\no\\such.dll", 101, 1));
  EXPECT_TRUE(box.setImageFromModule(exePath(), 101, 1));
  TempFile junk(".bmp");
  junk.write("BM not really a picture");
  EXPECT_FALSE(box.setImage(junk.path(), true));
  ImageBox none;
  EXPECT_FALSE(none.setImage(junk.path(), true));
}

TEST_F(ImageBoxTest, ResourceNumbersAboveSixteenBitsNameNoResource) {
  ImageBox box(1, std::string(), 0, 0, 64, 48, form, 0);
  EXPECT_TRUE(box.setImageFromResource(101, 1));
  EXPECT_FALSE(box.setImageFromResource(65536 + 101, 1));  // not bitmap 101
  EXPECT_FALSE(box.setImageFromModule(exePath(), 0x80000000u + 101, 1));
}

TEST(ImageBoxTiling, SmallPicturesFillABigBoxFromTheTopLeft) {
  Form big("big", 0, 0, 1010, 750, 10, true, true, false, false, false, Control(), false, 8);
  constexpr COLORREF green = RGB(0, 255, 0);
  constexpr COLORREF white = RGB(255, 255, 255);
  // 2x2: red blue / green white, so every pixel's colour tells its copy's alignment.
  auto colourAt = [&](int x, int y) {
    return (y % 2 == 0) ? (x % 2 == 0 ? red : blue) : (x % 2 == 0 ? green : white);
  };
  TempFile quad(".bmp");
  quad.write(makeBmp(2, 2, colourAt));
  ImageBox box(1, quad.path(), 0, 0, 1000, 740, big, 0);
  const int points[][2] = {{0, 0},     {1, 0},     {0, 1},     {1, 1},     {2, 2},
                           {513, 0},   {0, 371},   {640, 480}, {999, 0},   {0, 739},
                           {998, 738}, {999, 739}, {511, 255}, {512, 256}, {997, 3}};
  RedrawWindow(box.hwnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  pump(30);
  for (const auto& p : points)
    EXPECT_EQ(colourAt(p[0], p[1]), pixelAt(box.hwnd, p[0], p[1]) & 0xFFFFFF)
        << p[0] << "," << p[1];

  TempFile dot(".bmp");
  dot.write(makeBmp(1, 1, [&](int, int) { return green; }));
  EXPECT_TRUE(box.setImage(dot.path(), true));
  RedrawWindow(box.hwnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  pump(30);
  for (const auto& p : points)
    EXPECT_EQ(green, pixelAt(box.hwnd, p[0], p[1]) & 0xFFFFFF) << p[0] << "," << p[1];
  big.destroy();
}

TEST(ImageBoxTiling, APictureTallerThanTheBoxIsCutAtTheBottom) {
  Form form("tall", 0, 0, 300, 100, 10, true, true, false, false, false, Control(), false, 8);
  // 3 wide, 200 high: the row's colour changes at y = 50.
  TempFile tall(".bmp");
  tall.write(makeBmp(3, 200, [](int x, int y) { return y < 50 ? (x == 2 ? blue : red) : blue; }));
  ImageBox box(1, tall.path(), 0, 0, 250, 80, form, 0);
  RedrawWindow(box.hwnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  pump(30);
  EXPECT_EQ(red, pixelAt(box.hwnd, 0, 0) & 0xFFFFFF);
  EXPECT_EQ(blue, pixelAt(box.hwnd, 2, 10) & 0xFFFFFF);
  EXPECT_EQ(red, pixelAt(box.hwnd, 246, 49) & 0xFFFFFF);  // 246 = 82 * 3
  EXPECT_EQ(blue, pixelAt(box.hwnd, 248, 49) & 0xFFFFFF);
  EXPECT_EQ(blue, pixelAt(box.hwnd, 246, 79) & 0xFFFFFF);
  form.destroy();
}

// The list view loads pictures through OLE, whose initialisations count per
// thread: the image box makes one, whatever the number of pictures, so the one
// OleUninitialize the program's application object makes at exit ends OLE.
TEST_F(ImageBoxTest, InitialisesOleOnceForAnyNumberOfPictures) {
  TempFile picture(".bmp");
  picture.write(makeBmp(8, 8, [](int, int) { return red; }));
  ImageBox box(1, picture.path(), 0, 0, 32, 32, form, 0);
  for (int i = 0; i < 20; ++i) box.setImage(picture.path(), true);
  OleUninitialize();  // the application object's, at exit
  HRESULT fresh = CoInitializeEx(NULL, COINIT_APARTMENTTHREADED);
  EXPECT_EQ(S_OK, fresh);  // S_FALSE: initialisations were left over
  if (SUCCEEDED(fresh)) CoUninitialize();
  OleInitialize(NULL);  // back as it was, for the rest of the suite and the exit
}
