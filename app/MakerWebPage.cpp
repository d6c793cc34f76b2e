#include "app/MakerWebPage.h"

#include "app/Platform.h"

namespace app {

void OpenMakerWebPage(Platform& platform, QWidget* parent) {
    if (!platform.OpenWebAddress(kMakerWebAddress))
        platform.ShowError(parent, QStringLiteral("Failed to launch your Web Browser"));
}

}  // namespace app
