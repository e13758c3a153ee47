#include "ui/caption/Caption.h"

#include "ui/caption/composition/CompositionRenderer.h"

Caption::Caption() : composition(std::make_unique<CompositionCaptionRenderer>()) {}

Caption::~Caption() = default;
