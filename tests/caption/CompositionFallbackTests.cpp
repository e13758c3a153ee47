// The caption window prefers the composition renderer and hands its frames
// to the layered one for good when it cannot start or fails: the caption
// never goes blank.
#include <gtest/gtest.h>

#include <memory>

#include "OffscreenPresenter.h"
#include "ProgramWindowsTest.h"
#include "ui/caption/CaptionWindow.h"
#include "ui/caption/composition/CompositionRenderer.h"

namespace {

bool Layered(HWND window) { return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED) != 0; }

class CompositionFallbackTest : public ProgramWindowsTest {
protected:
    void SetUp() override {
        ProgramWindowsTest::SetUp();
        g_app.list = {{L"张三", L"100元"}, {L"Maria García", L"200元"}};
    }
    void TearDown() override {
        if (window_) DestroyWindow(window_);
        SetCaptionRenderers(g_app.caption->composition.get(), &g_app.caption->layered);
        ProgramWindowsTest::TearDown();
    }

    // A caption window whose composition renderer presents offscreen.
    void CreateWithOffscreenComposition() {
        auto presenter = std::make_unique<OffscreenPresenter>();
        presenter_ = presenter.get();
        composition_ = std::make_unique<CompositionCaptionRenderer>(std::move(presenter));
        SetCaptionRenderers(composition_.get(), &g_app.caption->layered);
        window_ = CreateCaptionWindow(g_app.instance);
        ASSERT_NE(window_, nullptr);
        ShowWindow(window_, SW_SHOWNOACTIVATE);
    }

    OffscreenPresenter* presenter_ = nullptr;
    std::unique_ptr<CompositionCaptionRenderer> composition_;
    HWND window_ = nullptr;
};

TEST_F(CompositionFallbackTest, UnderWineTheRealRendererCannotStartAndTheWindowIsLayeredFromCreation) {
    // The fixture's caption window was made with the real renderer: no DirectComposition here.
    EXPECT_FALSE(g_app.caption->composition->ready());
    EXPECT_FALSE(g_app.caption->renderers.compositionReady);
    EXPECT_TRUE(Layered(g_app.caption->window));
}

TEST_F(CompositionFallbackTest, ADeviceLossHandsTheCaptionToTheLayeredRendererInTheSameFrame) {
    CreateWithOffscreenComposition();
    ASSERT_TRUE(g_app.caption->renderers.compositionReady);
    EXPECT_FALSE(Layered(window_));
    DispatchCaptionFrame(window_);
    EXPECT_EQ(presenter_->frames, 1);
    EXPECT_FALSE(g_app.caption->layered.hasStrip());

    presenter_->presentedResult = static_cast<HRESULT>(DXGI_ERROR_DEVICE_REMOVED);
    DispatchCaptionFrame(window_);
    EXPECT_FALSE(composition_->ready());
    EXPECT_FALSE(g_app.caption->renderers.compositionReady);
    EXPECT_TRUE(Layered(window_));
    EXPECT_TRUE(g_app.caption->layered.hasStrip()) << "the failed frame was not shown by the layered renderer";

    // For good: later frames never go back to the composition renderer.
    const int framesEnded = presenter_->frames;
    presenter_->presentedResult = S_OK;
    DispatchCaptionFrame(window_);
    EXPECT_EQ(presenter_->frames, framesEnded);
    EXPECT_FALSE(composition_->ready());
}

TEST_F(CompositionFallbackTest, AnyOtherFailureAlsoFallsBackForGood) {
    CreateWithOffscreenComposition();
    ASSERT_TRUE(g_app.caption->renderers.compositionReady);
    presenter_->presentedResult = E_FAIL;
    DispatchCaptionFrame(window_);
    EXPECT_FALSE(g_app.caption->renderers.compositionReady);
    EXPECT_FALSE(composition_->ready()) << "the window released the renderer it gave up on";
    EXPECT_TRUE(Layered(window_));
    EXPECT_TRUE(g_app.caption->layered.hasStrip());
}

TEST_F(CompositionFallbackTest, AnOccludedPresentKeepsTheCompositionRenderer) {
    CreateWithOffscreenComposition();
    presenter_->presentedResult = DXGI_STATUS_OCCLUDED;
    DispatchCaptionFrame(window_);
    DispatchCaptionFrame(window_);
    EXPECT_TRUE(g_app.caption->renderers.compositionReady);
    EXPECT_FALSE(Layered(window_));
    EXPECT_EQ(presenter_->frames, 2);
}

}  // namespace
