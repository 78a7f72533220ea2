#include "shell/window/start_up.h"

#include <QMessageBox>
#include <new>

#include "shell/window/qt_string.h"
#include "shell/window/shell_text.h"

namespace tabulor {

std::unique_ptr<MainWindow> startUp(const CalculatorServices& services, const ImageStore& images,
                                    int zoom) {
    std::unique_ptr<Calculator> calculator(new (std::nothrow) Calculator(services));
    if (calculator == nullptr) return nullptr;
    FaceplateImages faceplate;
    if (!loadFaceplateImages(faceplate, images) || !initialize(*calculator)) {
        QMessageBox::critical(nullptr, qs(text::kTitle), qs(kCantCreateCalculator));
        return nullptr;
    }
    auto window = std::make_unique<MainWindow>(std::move(calculator), std::move(faceplate), zoom);
    window->view()->useImageStore(images);
    window->show();
    window->session().setFullScreen(true);
    window->activateWindow();
    return window;
}

}  // namespace tabulor
