#pragma once

#include <cstdint>

#include <QDialog>

#include "datastore/data_files.h"

namespace kolvane {

// The tariff and balance editor of one provider slot. Its controls arrive with the editor work;
// until then it shows the provider's caption and is closed from its title bar.
class TForm1 : public QDialog {
public:
    TForm1(QWidget *owner, int provider);
    // Reads the editor's files; false when one cannot be read (the error is then set).
    bool FormShow();

private:
    int provider_;
    std::unique_ptr<datastore::DataSet> data_;
};

} // namespace kolvane
