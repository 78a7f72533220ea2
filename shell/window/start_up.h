#pragma once
// Creating the calculator and its window, or saying why not.

#include <memory>

#include "engine/calculator.h"
#include "image/image.h"
#include "shell/window/main_window.h"

namespace tabulor {

// Loads the faceplate's images from `images`, constructs and initializes the Calculator over
// `services` and opens its window at `zoom`, shown, in full-screen mode and active. When either
// fails (an image is missing) it shows "Can't create calculator!" and returns null, as it does
// without memory for the Calculator.
std::unique_ptr<MainWindow> startUp(const CalculatorServices& services, const ImageStore& images,
                                    int zoom);

}  // namespace tabulor
