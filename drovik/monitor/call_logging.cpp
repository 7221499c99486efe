#include "call_logging.h"

LoggedCall next_log_entry(const datastore::ProviderRecord &providers, int p)
{
    const datastore::CallEntryChoice choice = datastore::choose_call_entry(providers, p);
    return {choice.entry, choice.limit_warning};
}

void log_call(datastore::ProviderRecord &providers, datastore::CallLogRecord &calls, int p, int b,
              const FinishedSession &session, float cost)
{
    using namespace datastore;
    const double duration = session.end - session.start;
    call_start(calls, p, b) = session.start;
    call_end(calls, p, b) = session.end;
    call_duration(calls, p, b) = duration;
    total_time(calls, p, b) = duration + (b > 1 ? total_time(calls, p, b - 1) : 0.0);
    call_cost(calls, p, b) = cost;
    bytes_out(calls, p, b) = static_cast<float>(session.bytes_out);
    bytes_in(calls, p, b) = static_cast<float>(session.bytes_in);
    mb_out(calls, p, b) = static_cast<float>(session.bytes_out / 1048576.0);
    mb_in(calls, p, b) = static_cast<float>(session.bytes_in / 1048576.0);
    call_speed(calls, p, b) = stored_call_speed(session.speed);

    const ProviderNumbers &n = provider_numbers(providers, p);
    const float in_before = b > 1 ? cost_in_total(calls, p, b - 1) : 0.0f;
    const float out_before = b > 1 ? cost_out_total(calls, p, b - 1) : 0.0f;
    cost_in_total(calls, p, b) = static_cast<float>(double(mb_in(calls, p, b)) * n.price_mb_in + in_before);
    cost_out_total(calls, p, b) = static_cast<float>(double(mb_out(calls, p, b)) * n.price_mb_out + out_before);

    ProviderNumbers &numbers = provider_numbers(providers, p);
    numbers.balance = provider_flags(providers, p).credit != 0 ? numbers.balance + cost : numbers.balance - cost;
    set_next_call(providers, p, b + 1);
}
