#pragma once

#include <QString>

#include "datastore/formats.h"

// How long the money lasts, as the panel and the balloons show it: "D cут. H:MM:SS". The time
// is the part without the days, always a valid time of day.
struct Forecast {
    QString text;
    datastore::TDateTime time;
    int days;
};

Forecast hour_pay(float hours, const datastore::Formats &formats = datastore::Formats::russian());
