#include "ui/caption/CaptionFont.h"

#include "app/AppState.h"
#include "ui/caption/Caption.h"
#include "ui/caption/CaptionContent.h"

void RebuildCaptionFont() {
    g_app.caption->font.reset(CreateFontW(-CaptionFontPixels(), 0, 0, 0, g_app.settings.bold ? 700 : 400, FALSE,
                                        FALSE, FALSE, DEFAULT_CHARSET, 0, 0, NONANTIALIASED_QUALITY, FF_SWISS,
                                        g_app.settings.fontFace.c_str()));
    g_app.captionStripDirty = true;
    g_app.captionLayoutDirty = true;
    g_app.captionFormatDirty = true;
}
