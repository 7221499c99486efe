#include "month_bill.h"

#include "datastore/formats.h"

MonthBill month_bill(const datastore::ProviderRecord &providers, const datastore::CallLogRecord &calls, int p,
                     datastore::TDateTime now)
{
    using namespace datastore;
    // The month's real length, and its end as the next month's first moment: a call on
    // 29 February or in the month's last second belongs to the month.
    const CivilDate today = decode_date(now);
    const double month_start = encode_date({today.year, today.month, 1});
    const CivilDate next = today.month == 12 ? CivilDate{today.year + 1, 1, 1} : CivilDate{today.year, today.month + 1, 1};
    const double month_end = encode_date(next);

    double time = 0;
    float cost = 0;
    for (int b = 1; b <= call_count(providers, p); ++b) {
        if (call_start(calls, p, b) >= month_start && call_end(calls, p, b) < month_end) {
            time += call_duration(calls, p, b);
            cost += call_cost(calls, p, b);
        }
    }
    return {time, cost};
}

void now_month(datastore::ProviderRecord &providers, const datastore::CallLogRecord &calls, int p,
               datastore::TDateTime now)
{
    const MonthBill bill = month_bill(providers, calls, p, now);
    datastore::provider_texts(providers, p).month_time.assign(datastore::Formats::russian().time_text(bill.time));
    datastore::provider_numbers(providers, p).month_cost = bill.cost;
}
