// Binding the tariff library around its uses.
#include "drovik/Unit1.h"

bool TForm1::loaddll()
{
    if (svc_.tariff_library.load())
        return true;
    tell_tariff_failure();
    return false;
}

void TForm1::unloaddll()
{
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
