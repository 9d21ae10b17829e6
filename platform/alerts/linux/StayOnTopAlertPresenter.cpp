#include "platform/AlertController.h"
#include "platform/alerts/TopAlertPresenter.h"

namespace platform {

namespace {
// The window manager keeps a stay-on-top window above ordinary ones,
// including alerts shown over the main window.
class StayOnTopAlertPresenter final : public TopAlertPresenter
{
public:
    void present(AlertController *alert) override
    {
        alert->setParent(nullptr);
        alert->setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint);
        alert->showOver(nullptr);
        alert->raise();
        alert->activateWindow();
    }
};

std::shared_ptr<TopAlertPresenter> &installed()
{
    static std::shared_ptr<TopAlertPresenter> presenter;
    return presenter;
}
} // namespace

TopAlertPresenter &TopAlertPresenter::shared()
{
    if (!installed())
        installed() = std::make_shared<StayOnTopAlertPresenter>();
    return *installed();
}

void TopAlertPresenter::install(std::shared_ptr<TopAlertPresenter> presenter)
{
    installed() = std::move(presenter);
}

} // namespace platform
