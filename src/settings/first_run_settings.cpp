#include "settings/first_run_settings.h"

#include "data/app_settings.h"
#include "platform/ui/message_service.h"
#include "settings/settings_dialog.h"

bool RunFirstRunSettings()
{
    TFConfig dialog;
    const bool saved = ui::messages().execModal(&dialog) == QDialog::Accepted;
    // The dialog's save has loaded the row already; loading again here is what the
    // start-up relies on, and when it fails too the defaults simply stay.
    if (saved)
        LoadSettings();
    return saved;
}
