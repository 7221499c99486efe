// Tying the computer's interfaces to card 1 and card 2, and the cards' traffic prices.
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "datastore/formats.h"
#include "drovik/Unit1.h"
#include "drovik/adapters/card_logic.h"

void TForm1::suiButton2Click()
{
    const platform::Answer answer =
        svc_.dialogs.message(QStringLiteral("Осторожно! Все данные сетевых карт могут будут стерты! Продолжить?"),
                             platform::MessageIcon::Confirmation, platform::MessageButtons::YesNo);
    if (answer != platform::Answer::Yes)
        return;
    assign_cards(data_->adapters, take_snapshot());
    svc_.dialogs.message(QStringLiteral("Калибровка сетевых плат закончена. Настройте параметры для каждой платы"),
                         platform::MessageIcon::None, platform::MessageButtons::Ok);
}

void TForm1::calibrate_cards()
{
    suiButton2Click();
}

void TForm1::show_card_prices(int n)
{
    const datastore::CardPrices &prices = datastore::card_prices(data_->adapters, n);
    Edit1->setText(datastore::Formats::russian().float_text(prices.price_in_mb));
    Edit2->setText(datastore::Formats::russian().float_text(prices.price_out_mb));
}

void TForm1::price_changed(QLineEdit *box, bool in)
{
    // A box being retyped is often not a number for a moment: said beside the boxes, not in a
    // box that would interrupt the typing. The price keeps its last good value meanwhile.
    const auto value = datastore::Formats::russian().parse_float(box->text());
    if (!value) {
        price_error->setText(QStringLiteral("Цена — число, например 0,5"));
        return;
    }
    price_error->clear();
    datastore::CardPrices &prices = datastore::card_prices(data_->adapters, RB8->isChecked() ? 2 : 1);
    (in ? prices.price_in_mb : prices.price_out_mb) = static_cast<float>(*value);
}

void TForm1::Edit1Change() { price_changed(Edit1, true); }
void TForm1::Edit2Change() { price_changed(Edit2, false); }
void TForm1::RB7Click() { show_card_prices(1); }
void TForm1::RB8Click() { show_card_prices(2); }
