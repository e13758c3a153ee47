// The caption's GDI font, rebuilt whenever face, size, weight or screen change.
#pragma once

void RebuildCaptionFont();
