#include "DllUnit1.h"

#include "kolvane/file_sets.h"
#include "kolvane/last_error.h"

namespace kolvane {

TForm1::TForm1(QWidget *owner, int provider)
    : QDialog(owner), provider_(provider), data_(datastore::make_data_set())
{
    setObjectName(QStringLiteral("TForm1"));
    setModal(true);
    resize(560, 420);
}

bool TForm1::FormShow()
{
    if (const auto error = read_editor_files(*data_)) {
        set_last_error(error->text());
        return false;
    }
    const QString name = datastore::provider_texts(data_->providers, provider_).name.text();
    setWindowTitle(QString(QStringLiteral("Настройки провайдера ") + name).left(71));
    return true;
}

} // namespace kolvane
