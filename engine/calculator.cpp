#include "engine/calculator.h"

#include <string_view>

#include "engine/key_actions.h"

namespace tabulor {

namespace {

// Fills all 13 cells; written in characters the seven-segment message table can show.
constexpr std::u16string_view kBanner = u"-- tAbuLor --";

constexpr int kFaceIds[4] = {ImageId::Face, ImageId::ShiftedFace, ImageId::PressedFace,
                             ImageId::PressedShiftedFace};

// Stands in for a missing store, so a Calculator without one fails to initialize cleanly.
class EmptyImageStore final : public ImageStore {
  public:
    std::span<const std::uint8_t> find(int) const override { return {}; }
};

}  // namespace

Calculator::Calculator(const CalculatorServices& given) : services(given) {
    reset(*this);
}

bool initialize(Calculator& calculator) {
    static const EmptyImageStore kNoImages;
    const ImageStore& store =
        calculator.services.images != nullptr ? *calculator.services.images : kNoImages;

    bool facesLoaded = true;
    for (int i = 0; i < 4; ++i) {
        calculator.faceImages[i] = loadImage(store, kFaceIds[i]);
        facesLoaded = facesLoaded && calculator.faceImages[i] != nullptr;
    }
    if (!facesLoaded || calculator.services.clock == nullptr) {
        destroy(calculator);
        return false;
    }
    calculator.palette = makePalette(calculator.faceImages[0].get());
    calculator.display = std::make_unique<Display>(*calculator.services.clock);
    if (!loadDisplayImages(*calculator.display, store)) {
        destroy(calculator);
        return false;
    }
    reset(calculator);
    return true;
}

void destroy(Calculator& calculator) {
    if (calculator.display != nullptr) releaseDisplayImages(*calculator.display);
    calculator.display.reset();
    calculator.palette.reset();
    for (auto& face : calculator.faceImages)
        face.reset();
    calculator.window = nullptr;
}

void setWindow(Calculator& calculator, WindowLink* window) {
    calculator.window = window;
}

void reset(Calculator& calculator) {
    calculator.shift = 0;
    calculator.heldKey.reset();
    calculator.shiftJustSet = false;

    calculator.registers.fill(0.0);
    calculator.tvm = TvmRegisters{};
    calculator.tvm.paymentsPerYear = 12.0;

    calculator.prefixMode = PrefixMode::None;
    calculator.depth = 0;
    calculator.pendingOps.fill(PendingOp::None);
    calculator.leftOperands.fill(0.0);
    calculator.storageOp = PendingOp::None;
    calculator.constantOp = PendingOp::None;
    calculator.constantOperand = 0.0;
    calculator.percentApplied = false;
    calculator.percentBase = 0.0;

    if (calculator.display != nullptr) {
        Display& display = *calculator.display;
        clearEntry(display, true);
        display.lowBattery = false;
        display.beginMode = false;
        showMessage(display, kBanner);
    }
}

bool tickMessageTimer(Calculator& calculator) {
    if (calculator.heldKey || calculator.display == nullptr) return false;
    return expireMessage(*calculator.display);
}

}  // namespace tabulor
