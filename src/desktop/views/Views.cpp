#include "views/Views.h"

#include "binding/Binder.h"
#include "binding/ViewRegistry.h"
#include "views/FileAndToolViews.h"
#include "views/MainWindowView.h"
#include "views/OrbiterFolderSearchView.h"

#include "core/tools/OrbiterFolderSearch.h"
#include "core/app/Vantrel.h"

// The pictures live in this static library: their resource must be pulled in by name.
static void initPictures() { Q_INIT_RESOURCE(resources); }

namespace vantrel::desktop {

void registerViews() {
    initPictures();
    auto& registry = ViewRegistry::instance();
    registry.add("Vantrel", [](ui::Window& w, QWidget* parent) -> QWidget* {
        return new MainWindowView(static_cast<Vantrel&>(w), parent);
    });
    registry.add("OrbiterFolderSearch", [](ui::Window& w, QWidget* parent) -> QWidget* {
        return new OrbiterFolderSearchView(static_cast<OrbiterFolderSearch&>(w), parent);
    });
    registerFileAndToolViews();
}

} // namespace vantrel::desktop
