// Binding the tariff library around its uses.
#include "drovik/Unit1.h"

// Uses nest: the running session holds the library while a slot rebuild, the hang-up pricing or
// the tariff window uses it too. Only the last release unloads it, never under a caller that is
// still inside one of its entries.
bool TForm1::loaddll()
{
    if (tariff_holds_ > 0 && svc_.tariff_library.loaded()) {
        ++tariff_holds_;
        return true;
    }
    if (svc_.tariff_library.load()) {
        tariff_holds_ = 1;
        return true;
    }
    tell_tariff_failure();
    return false;
}

void TForm1::unloaddll()
{
    if (tariff_holds_ > 1) {
        --tariff_holds_;
        return;
    }
    tariff_holds_ = 0;
    svc_.tariff_library.unload();
}

void TForm1::tell_tariff_failure()
{
    const QString error = svc_.tariff_library.last_error();
    if (error.isEmpty() || tariff_failure_told_)
        return;
    tariff_failure_told_ = true;
    svc_.dialogs.message(QStringLiteral("Ошибка библиотеки тарифов: ") + error, platform::MessageIcon::Error,
                         platform::MessageButtons::Ok);
}
