// GDI+ without importing gdiplus.dll at load time: a DLL of that name beside
// the program would otherwise run inside it before wWinMain. The flat
// functions that the GDI+ classes call are defined here and forward to the
// system folder's gdiplus.dll, loaded once on first use; while it cannot be
// loaded they report GdiplusNotInitialized, which every caller already
// treats as a failure. Start-up asks LoadGdiplus() first and stops with a
// message when it fails.
#include "platform/GdiplusLibrary.h"

#include <windows.h>
#include <objidl.h>  // before gdiplus.h, which needs PROPID
#include <gdiplus.h>

#include "platform/SystemLibrary.h"

namespace {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

struct GdiplusFunctions {
    decltype(&GdipAddPathArc) gdipAddPathArc = nullptr;
    decltype(&GdipAddPathLine) gdipAddPathLine = nullptr;
    decltype(&GdipAddPathLine2) gdipAddPathLine2 = nullptr;
    decltype(&GdipAddPathString) gdipAddPathString = nullptr;
    decltype(&GdipAlloc) gdipAlloc = nullptr;
    decltype(&GdipCloneBrush) gdipCloneBrush = nullptr;
    decltype(&GdipCloneImage) gdipCloneImage = nullptr;
    decltype(&GdipClonePath) gdipClonePath = nullptr;
    decltype(&GdipCloneStringFormat) gdipCloneStringFormat = nullptr;
    decltype(&GdipCreateBitmapFromScan0) gdipCreateBitmapFromScan0 = nullptr;
    decltype(&GdipCreateFont) gdipCreateFont = nullptr;
    decltype(&GdipCreateFontFamilyFromName) gdipCreateFontFamilyFromName = nullptr;
    decltype(&GdipCreateFromHDC) gdipCreateFromHDC = nullptr;
    decltype(&GdipCreateMatrix) gdipCreateMatrix = nullptr;
    decltype(&GdipCreatePath) gdipCreatePath = nullptr;
    decltype(&GdipCreatePen1) gdipCreatePen1 = nullptr;
    decltype(&GdipCreateSolidFill) gdipCreateSolidFill = nullptr;
    decltype(&GdipDeleteBrush) gdipDeleteBrush = nullptr;
    decltype(&GdipDeleteFont) gdipDeleteFont = nullptr;
    decltype(&GdipDeleteFontFamily) gdipDeleteFontFamily = nullptr;
    decltype(&GdipDeleteGraphics) gdipDeleteGraphics = nullptr;
    decltype(&GdipDeleteMatrix) gdipDeleteMatrix = nullptr;
    decltype(&GdipDeletePath) gdipDeletePath = nullptr;
    decltype(&GdipDeletePen) gdipDeletePen = nullptr;
    decltype(&GdipDeleteStringFormat) gdipDeleteStringFormat = nullptr;
    decltype(&GdipDisposeImage) gdipDisposeImage = nullptr;
    decltype(&GdipDrawPath) gdipDrawPath = nullptr;
    decltype(&GdipDrawString) gdipDrawString = nullptr;
    decltype(&GdipFillEllipse) gdipFillEllipse = nullptr;
    decltype(&GdipFillPath) gdipFillPath = nullptr;
    decltype(&GdipFree) gdipFree = nullptr;
    decltype(&GdipGetImageGraphicsContext) gdipGetImageGraphicsContext = nullptr;
    decltype(&GdipGetPathWorldBounds) gdipGetPathWorldBounds = nullptr;
    decltype(&GdipGetStringFormatFlags) gdipGetStringFormatFlags = nullptr;
    decltype(&GdipMeasureString) gdipMeasureString = nullptr;
    decltype(&GdipScaleMatrix) gdipScaleMatrix = nullptr;
    decltype(&GdipSetPenEndCap) gdipSetPenEndCap = nullptr;
    decltype(&GdipSetPenLineJoin) gdipSetPenLineJoin = nullptr;
    decltype(&GdipSetPenStartCap) gdipSetPenStartCap = nullptr;
    decltype(&GdipSetPixelOffsetMode) gdipSetPixelOffsetMode = nullptr;
    decltype(&GdipSetSmoothingMode) gdipSetSmoothingMode = nullptr;
    decltype(&GdipSetStringFormatFlags) gdipSetStringFormatFlags = nullptr;
    decltype(&GdipSetTextRenderingHint) gdipSetTextRenderingHint = nullptr;
    decltype(&GdipStartPathFigure) gdipStartPathFigure = nullptr;
    decltype(&GdipStringFormatGetGenericTypographic) gdipStringFormatGetGenericTypographic = nullptr;
    decltype(&GdipTransformPath) gdipTransformPath = nullptr;
    decltype(&GdipTranslateMatrix) gdipTranslateMatrix = nullptr;
    decltype(&Gdiplus::GdiplusShutdown) gdiplusShutdown = nullptr;
    decltype(&Gdiplus::GdiplusStartup) gdiplusStartup = nullptr;
    bool loaded = false;
    std::wstring missing;
};

GdiplusFunctions LoadFunctions() {
    GdiplusFunctions f;
    const SystemFunction table[] = {
        {"GdipAddPathArc", reinterpret_cast<void**>(&f.gdipAddPathArc)},
        {"GdipAddPathLine", reinterpret_cast<void**>(&f.gdipAddPathLine)},
        {"GdipAddPathLine2", reinterpret_cast<void**>(&f.gdipAddPathLine2)},
        {"GdipAddPathString", reinterpret_cast<void**>(&f.gdipAddPathString)},
        {"GdipAlloc", reinterpret_cast<void**>(&f.gdipAlloc)},
        {"GdipCloneBrush", reinterpret_cast<void**>(&f.gdipCloneBrush)},
        {"GdipCloneImage", reinterpret_cast<void**>(&f.gdipCloneImage)},
        {"GdipClonePath", reinterpret_cast<void**>(&f.gdipClonePath)},
        {"GdipCloneStringFormat", reinterpret_cast<void**>(&f.gdipCloneStringFormat)},
        {"GdipCreateBitmapFromScan0", reinterpret_cast<void**>(&f.gdipCreateBitmapFromScan0)},
        {"GdipCreateFont", reinterpret_cast<void**>(&f.gdipCreateFont)},
        {"GdipCreateFontFamilyFromName", reinterpret_cast<void**>(&f.gdipCreateFontFamilyFromName)},
        {"GdipCreateFromHDC", reinterpret_cast<void**>(&f.gdipCreateFromHDC)},
        {"GdipCreateMatrix", reinterpret_cast<void**>(&f.gdipCreateMatrix)},
        {"GdipCreatePath", reinterpret_cast<void**>(&f.gdipCreatePath)},
        {"GdipCreatePen1", reinterpret_cast<void**>(&f.gdipCreatePen1)},
        {"GdipCreateSolidFill", reinterpret_cast<void**>(&f.gdipCreateSolidFill)},
        {"GdipDeleteBrush", reinterpret_cast<void**>(&f.gdipDeleteBrush)},
        {"GdipDeleteFont", reinterpret_cast<void**>(&f.gdipDeleteFont)},
        {"GdipDeleteFontFamily", reinterpret_cast<void**>(&f.gdipDeleteFontFamily)},
        {"GdipDeleteGraphics", reinterpret_cast<void**>(&f.gdipDeleteGraphics)},
        {"GdipDeleteMatrix", reinterpret_cast<void**>(&f.gdipDeleteMatrix)},
        {"GdipDeletePath", reinterpret_cast<void**>(&f.gdipDeletePath)},
        {"GdipDeletePen", reinterpret_cast<void**>(&f.gdipDeletePen)},
        {"GdipDeleteStringFormat", reinterpret_cast<void**>(&f.gdipDeleteStringFormat)},
        {"GdipDisposeImage", reinterpret_cast<void**>(&f.gdipDisposeImage)},
        {"GdipDrawPath", reinterpret_cast<void**>(&f.gdipDrawPath)},
        {"GdipDrawString", reinterpret_cast<void**>(&f.gdipDrawString)},
        {"GdipFillEllipse", reinterpret_cast<void**>(&f.gdipFillEllipse)},
        {"GdipFillPath", reinterpret_cast<void**>(&f.gdipFillPath)},
        {"GdipFree", reinterpret_cast<void**>(&f.gdipFree)},
        {"GdipGetImageGraphicsContext", reinterpret_cast<void**>(&f.gdipGetImageGraphicsContext)},
        {"GdipGetPathWorldBounds", reinterpret_cast<void**>(&f.gdipGetPathWorldBounds)},
        {"GdipGetStringFormatFlags", reinterpret_cast<void**>(&f.gdipGetStringFormatFlags)},
        {"GdipMeasureString", reinterpret_cast<void**>(&f.gdipMeasureString)},
        {"GdipScaleMatrix", reinterpret_cast<void**>(&f.gdipScaleMatrix)},
        {"GdipSetPenEndCap", reinterpret_cast<void**>(&f.gdipSetPenEndCap)},
        {"GdipSetPenLineJoin", reinterpret_cast<void**>(&f.gdipSetPenLineJoin)},
        {"GdipSetPenStartCap", reinterpret_cast<void**>(&f.gdipSetPenStartCap)},
        {"GdipSetPixelOffsetMode", reinterpret_cast<void**>(&f.gdipSetPixelOffsetMode)},
        {"GdipSetSmoothingMode", reinterpret_cast<void**>(&f.gdipSetSmoothingMode)},
        {"GdipSetStringFormatFlags", reinterpret_cast<void**>(&f.gdipSetStringFormatFlags)},
        {"GdipSetTextRenderingHint", reinterpret_cast<void**>(&f.gdipSetTextRenderingHint)},
        {"GdipStartPathFigure", reinterpret_cast<void**>(&f.gdipStartPathFigure)},
        {"GdipStringFormatGetGenericTypographic", reinterpret_cast<void**>(&f.gdipStringFormatGetGenericTypographic)},
        {"GdipTransformPath", reinterpret_cast<void**>(&f.gdipTransformPath)},
        {"GdipTranslateMatrix", reinterpret_cast<void**>(&f.gdipTranslateMatrix)},
        {"GdiplusShutdown", reinterpret_cast<void**>(&f.gdiplusShutdown)},
        {"GdiplusStartup", reinterpret_cast<void**>(&f.gdiplusStartup)},
    };
    f.loaded = LoadSystemFunctions(L"gdiplus.dll", table, sizeof(table) / sizeof(table[0]), f.missing);
    return f;
}

const GdiplusFunctions& Functions() {
    static const GdiplusFunctions functions = LoadFunctions();
    return functions;
}

}  // namespace

bool LoadGdiplus(std::wstring& missing) {
    missing = Functions().missing;
    return Functions().loaded;
}

namespace Gdiplus {
extern "C" {

// The MinGW headers keep StringFormat::GenericTypographic()'s object here; the
// import library that defined it is no longer linked.
void* _GdipStringFormatCachedGenericTypographic = nullptr;

VOID WINGDIPAPI GdiplusShutdown(ULONG_PTR a0) {
    if (Functions().loaded) Functions().gdiplusShutdown(a0);
}

GpStatus WINGDIPAPI GdipAddPathArc(GpPath* a0, REAL a1, REAL a2, REAL a3, REAL a4, REAL a5, REAL a6) {
    return Functions().loaded ? Functions().gdipAddPathArc(a0, a1, a2, a3, a4, a5, a6) : GdiplusNotInitialized;
}

GpStatus WINGDIPAPI GdipAddPathLine(GpPath* a0, REAL a1, REAL a2, REAL a3, REAL a4) {
    return Functions().loaded ? Functions().gdipAddPathLine(a0, a1, a2, a3, a4) : GdiplusNotInitialized;
}

GpStatus WINGDIPAPI GdipAddPathLine2(GpPath* a0, GDIPCONST GpPointF* a1, INT a2) {
    return Functions().loaded ? Functions().gdipAddPathLine2(a0, a1, a2) : GdiplusNotInitialized;
}

GpStatus WINGDIPAPI GdipCloneImage(GpImage* a0, GpImage** a1) {
    return Functions().loaded ? Functions().gdipCloneImage(a0, a1) : GdiplusNotInitialized;
}

GpStatus WINGDIPAPI GdipCreateBitmapFromScan0(INT a0, INT a1, INT a2, PixelFormat a3, BYTE* a4, GpBitmap** a5) {
    return Functions().loaded ? Functions().gdipCreateBitmapFromScan0(a0, a1, a2, a3, a4, a5) : GdiplusNotInitialized;
}

GpStatus WINGDIPAPI GdipDisposeImage(GpImage* a0) {
    return Functions().loaded ? Functions().gdipDisposeImage(a0) : GdiplusNotInitialized;
}

GpStatus WINGDIPAPI GdipFillEllipse(GpGraphics* a0, GpBrush* a1, REAL a2, REAL a3, REAL a4, REAL a5) {
    return Functions().loaded ? Functions().gdipFillEllipse(a0, a1, a2, a3, a4, a5) : GdiplusNotInitialized;
}

GpStatus WINGDIPAPI GdipGetImageGraphicsContext(GpImage* a0, GpGraphics** a1) {
    return Functions().loaded ? Functions().gdipGetImageGraphicsContext(a0, a1) : GdiplusNotInitialized;
}

GpStatus WINGDIPAPI GdiplusStartup(ULONG_PTR* a0, GDIPCONST GdiplusStartupInput* a1, GdiplusStartupOutput* a2) {
    return Functions().loaded ? Functions().gdiplusStartup(a0, a1, a2) : GdiplusNotInitialized;
}

}  // extern "C"

namespace DllExports {
extern "C" {

GpStatus WINGDIPAPI GdipAddPathString(GpPath* a0, GDIPCONST WCHAR* a1, INT a2, GDIPCONST GpFontFamily* a3, INT a4, REAL a5, GDIPCONST RectF* a6, GDIPCONST GpStringFormat* a7) {
    return Functions().loaded ? Functions().gdipAddPathString(a0, a1, a2, a3, a4, a5, a6, a7) : GdiplusNotInitialized;
}

VOID* WINGDIPAPI GdipAlloc(size_t a0) {
    return Functions().loaded ? Functions().gdipAlloc(a0) : nullptr;
}

GpStatus WINGDIPAPI GdipCloneBrush(GpBrush* a0, GpBrush** a1) {
    return Functions().loaded ? Functions().gdipCloneBrush(a0, a1) : GdiplusNotInitialized;
}

GpStatus WINGDIPAPI GdipClonePath(GpPath* a0, GpPath** a1) {
    return Functions().loaded ? Functions().gdipClonePath(a0, a1) : GdiplusNotInitialized;
}

GpStatus WINGDIPAPI GdipCloneStringFormat(GDIPCONST GpStringFormat* a0, GpStringFormat** a1) {
    return Functions().loaded ? Functions().gdipCloneStringFormat(a0, a1) : GdiplusNotInitialized;
}

GpStatus WINGDIPAPI GdipCreateFont(GDIPCONST GpFontFamily* a0, REAL a1, INT a2, Unit a3, GpFont** a4) {
    return Functions().loaded ? Functions().gdipCreateFont(a0, a1, a2, a3, a4) : GdiplusNotInitialized;
}

GpStatus WINGDIPAPI GdipCreateFontFamilyFromName(GDIPCONST WCHAR* a0, GpFontCollection* a1, GpFontFamily** a2) {
    return Functions().loaded ? Functions().gdipCreateFontFamilyFromName(a0, a1, a2) : GdiplusNotInitialized;
}

GpStatus WINGDIPAPI GdipCreateFromHDC(HDC a0, GpGraphics** a1) {
    return Functions().loaded ? Functions().gdipCreateFromHDC(a0, a1) : GdiplusNotInitialized;
}

GpStatus WINGDIPAPI GdipCreateMatrix(GpMatrix** a0) {
    return Functions().loaded ? Functions().gdipCreateMatrix(a0) : GdiplusNotInitialized;
}

GpStatus WINGDIPAPI GdipCreatePath(GpFillMode a0, GpPath** a1) {
    return Functions().loaded ? Functions().gdipCreatePath(a0, a1) : GdiplusNotInitialized;
}

GpStatus WINGDIPAPI GdipCreatePen1(ARGB a0, REAL a1, GpUnit a2, GpPen** a3) {
    return Functions().loaded ? Functions().gdipCreatePen1(a0, a1, a2, a3) : GdiplusNotInitialized;
}

GpStatus WINGDIPAPI GdipCreateSolidFill(ARGB a0, GpSolidFill** a1) {
    return Functions().loaded ? Functions().gdipCreateSolidFill(a0, a1) : GdiplusNotInitialized;
}

GpStatus WINGDIPAPI GdipDeleteBrush(GpBrush* a0) {
    return Functions().loaded ? Functions().gdipDeleteBrush(a0) : GdiplusNotInitialized;
}

GpStatus WINGDIPAPI GdipDeleteFont(GpFont* a0) {
    return Functions().loaded ? Functions().gdipDeleteFont(a0) : GdiplusNotInitialized;
}

GpStatus WINGDIPAPI GdipDeleteFontFamily(GpFontFamily* a0) {
    return Functions().loaded ? Functions().gdipDeleteFontFamily(a0) : GdiplusNotInitialized;
}

GpStatus WINGDIPAPI GdipDeleteGraphics(GpGraphics* a0) {
    return Functions().loaded ? Functions().gdipDeleteGraphics(a0) : GdiplusNotInitialized;
}

GpStatus WINGDIPAPI GdipDeleteMatrix(GpMatrix* a0) {
    return Functions().loaded ? Functions().gdipDeleteMatrix(a0) : GdiplusNotInitialized;
}

GpStatus WINGDIPAPI GdipDeletePath(GpPath* a0) {
    return Functions().loaded ? Functions().gdipDeletePath(a0) : GdiplusNotInitialized;
}

GpStatus WINGDIPAPI GdipDeletePen(GpPen* a0) {
    return Functions().loaded ? Functions().gdipDeletePen(a0) : GdiplusNotInitialized;
}

GpStatus WINGDIPAPI GdipDeleteStringFormat(GpStringFormat* a0) {
    return Functions().loaded ? Functions().gdipDeleteStringFormat(a0) : GdiplusNotInitialized;
}

GpStatus WINGDIPAPI GdipDrawPath(GpGraphics* a0, GpPen* a1, GpPath* a2) {
    return Functions().loaded ? Functions().gdipDrawPath(a0, a1, a2) : GdiplusNotInitialized;
}

GpStatus WINGDIPAPI GdipDrawString(GpGraphics* a0, GDIPCONST WCHAR* a1, INT a2, GDIPCONST GpFont* a3, GDIPCONST RectF* a4, GDIPCONST GpStringFormat* a5, GDIPCONST GpBrush* a6) {
    return Functions().loaded ? Functions().gdipDrawString(a0, a1, a2, a3, a4, a5, a6) : GdiplusNotInitialized;
}

GpStatus WINGDIPAPI GdipFillPath(GpGraphics* a0, GpBrush* a1, GpPath* a2) {
    return Functions().loaded ? Functions().gdipFillPath(a0, a1, a2) : GdiplusNotInitialized;
}

VOID WINGDIPAPI GdipFree(VOID* a0) {
    if (Functions().loaded) Functions().gdipFree(a0);
}

GpStatus WINGDIPAPI GdipGetPathWorldBounds(GpPath* a0, GpRectF* a1, GDIPCONST GpMatrix* a2, GDIPCONST GpPen* a3) {
    return Functions().loaded ? Functions().gdipGetPathWorldBounds(a0, a1, a2, a3) : GdiplusNotInitialized;
}

GpStatus WINGDIPAPI GdipGetStringFormatFlags(GDIPCONST GpStringFormat* a0, INT* a1) {
    return Functions().loaded ? Functions().gdipGetStringFormatFlags(a0, a1) : GdiplusNotInitialized;
}

GpStatus WINGDIPAPI GdipMeasureString(GpGraphics* a0, GDIPCONST WCHAR* a1, INT a2, GDIPCONST GpFont* a3, GDIPCONST RectF* a4, GDIPCONST GpStringFormat* a5, RectF* a6, INT* a7, INT* a8) {
    return Functions().loaded ? Functions().gdipMeasureString(a0, a1, a2, a3, a4, a5, a6, a7, a8) : GdiplusNotInitialized;
}

GpStatus WINGDIPAPI GdipScaleMatrix(GpMatrix* a0, REAL a1, REAL a2, GpMatrixOrder a3) {
    return Functions().loaded ? Functions().gdipScaleMatrix(a0, a1, a2, a3) : GdiplusNotInitialized;
}

GpStatus WINGDIPAPI GdipSetPenEndCap(GpPen* a0, GpLineCap a1) {
    return Functions().loaded ? Functions().gdipSetPenEndCap(a0, a1) : GdiplusNotInitialized;
}

GpStatus WINGDIPAPI GdipSetPenLineJoin(GpPen* a0, GpLineJoin a1) {
    return Functions().loaded ? Functions().gdipSetPenLineJoin(a0, a1) : GdiplusNotInitialized;
}

GpStatus WINGDIPAPI GdipSetPenStartCap(GpPen* a0, GpLineCap a1) {
    return Functions().loaded ? Functions().gdipSetPenStartCap(a0, a1) : GdiplusNotInitialized;
}

GpStatus WINGDIPAPI GdipSetPixelOffsetMode(GpGraphics* a0, PixelOffsetMode a1) {
    return Functions().loaded ? Functions().gdipSetPixelOffsetMode(a0, a1) : GdiplusNotInitialized;
}

GpStatus WINGDIPAPI GdipSetSmoothingMode(GpGraphics* a0, SmoothingMode a1) {
    return Functions().loaded ? Functions().gdipSetSmoothingMode(a0, a1) : GdiplusNotInitialized;
}

GpStatus WINGDIPAPI GdipSetStringFormatFlags(GpStringFormat* a0, INT a1) {
    return Functions().loaded ? Functions().gdipSetStringFormatFlags(a0, a1) : GdiplusNotInitialized;
}

GpStatus WINGDIPAPI GdipSetTextRenderingHint(GpGraphics* a0, TextRenderingHint a1) {
    return Functions().loaded ? Functions().gdipSetTextRenderingHint(a0, a1) : GdiplusNotInitialized;
}

GpStatus WINGDIPAPI GdipStartPathFigure(GpPath* a0) {
    return Functions().loaded ? Functions().gdipStartPathFigure(a0) : GdiplusNotInitialized;
}

GpStatus WINGDIPAPI GdipStringFormatGetGenericTypographic(GpStringFormat** a0) {
    return Functions().loaded ? Functions().gdipStringFormatGetGenericTypographic(a0) : GdiplusNotInitialized;
}

GpStatus WINGDIPAPI GdipTransformPath(GpPath* a0, GpMatrix* a1) {
    return Functions().loaded ? Functions().gdipTransformPath(a0, a1) : GdiplusNotInitialized;
}

GpStatus WINGDIPAPI GdipTranslateMatrix(GpMatrix* a0, REAL a1, REAL a2, GpMatrixOrder a3) {
    return Functions().loaded ? Functions().gdipTranslateMatrix(a0, a1, a2, a3) : GdiplusNotInitialized;
}

}  // extern "C"
}  // namespace DllExports
}  // namespace Gdiplus

GdiplusSession::GdiplusSession() {
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&token_, &input, nullptr) != Gdiplus::Ok) token_ = 0;
}

GdiplusSession::~GdiplusSession() {
    if (token_) Gdiplus::GdiplusShutdown(token_);
}
