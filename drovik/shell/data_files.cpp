// Reading and writing the five data files from the window's records.
#include "drovik/Unit1.h"

void TForm1::load_dat()
{
    // Missing files are the first start and stay silent; a record keeps what it had.
    datastore::load_all(*data_, data_folder_);
}

template <class Record>
bool TForm1::write_file(const Record &rec)
{
    const auto error = datastore::save_record(rec, data_folder_);
    if (!error)
        return true;
    // Once per file and run: a disk that stays full must not bring a box on every save.
    if (reported_files_.insert(datastore::RecordFile<Record>::name).second) {
        svc_.dialogs.message(QStringLiteral("Не удалось сохранить данные в файл ") + error->text(),
                             platform::MessageIcon::Error, platform::MessageButtons::Ok);
    }
    return false;
}

bool TForm1::Save_ini()
{
    copy_card_save_params();
    return write_file(data_->settings);
}

bool TForm1::save_call()
{
    return write_file(data_->calls);
}

bool TForm1::save_prov()
{
    return write_file(data_->providers);
}

bool TForm1::save_tarif()
{
    return write_file(data_->tariff);
}

bool TForm1::save_ethernet()
{
    return write_file(data_->adapters);
}

void TForm1::write_all_records()
{
    Save_ini();
    save_call();
    save_prov();
    save_tarif();
    save_ethernet();
}
