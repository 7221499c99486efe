#pragma once

#include <filesystem>
#include <memory>

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "drovik/Unit1.h"
#include "platform/fake/fake_services.h"
#include "support/qt_print.h"

// The real main window over fake services and a data folder of its own.
class FormTest : public ::testing::Test {
protected:
    platform::FakeServices fakes;
    QTemporaryDir temp;
    std::filesystem::path folder() const { return temp.path().toStdString(); }

    // Files written before this are what the window finds at start.
    TForm1 &start()
    {
        form = std::make_unique<TForm1>(fakes.services(), folder());
        return *form;
    }

    template <class Record>
    void store(const Record &rec)
    {
        ASSERT_FALSE(datastore::save_record(rec, folder()).has_value());
    }

    std::unique_ptr<TForm1> form;
};
