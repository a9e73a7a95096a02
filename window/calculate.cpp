#include "window/calculate.h"

#include "geometry/locator.h"
#include "window/number_text.h"
#include "window/text_case.h"

namespace vestrel::window {
namespace {

constexpr std::u32string_view kPlaceholder = U"...";
constexpr std::u32string_view kRejected = U"??????";
constexpr std::u32string_view kSameLocatorBearing = U"0";

void WriteCoordinates(WindowModel& form, geometry::GeoPoint point1, geometry::GeoPoint point2) {
    // The hidden fields show longitudes west-positive.
    form.SetText(Field::Text7, PlainNumberText(point1.lat));
    form.SetText(Field::Text2, PlainNumberText(-point1.lon));
    form.SetText(Field::Text4, PlainNumberText(point2.lat));
    form.SetText(Field::Text8, PlainNumberText(-point2.lon));
}

}  // namespace

void OnCalculateClick(WindowModel& form) {
    if (form.Text(Field::Text5) == kPlaceholder) {
        return;
    }

    geometry::LocatorCheck locator1 =
        geometry::NormalizeLocator(form.Text(Field::Text3), UpperCase);
    if (locator1.tooLong) {
        form.ShowMessageBox(U"");
    }
    geometry::LocatorCheck locator2 =
        geometry::NormalizeLocator(form.Text(Field::Text5), UpperCase);

    // Two short locators are both padded once more; only a three-character
    // one decodes differently, its sixth position reading L instead of nothing.
    if (locator1.padded && locator2.padded) {
        locator1.text += U"LL";
        locator2.text += U"LL";
    }

    const bool rejected = locator1.invalid || locator2.invalid;
    if (rejected) {
        form.SetText(Field::Text3, U"");
        form.SetText(Field::Text5, U"");
        form.SetText(Field::Text6, std::u32string(kRejected));
    }

    const geometry::GeoPoint point1 = geometry::DecodeLocator(locator1.text);
    const geometry::GeoPoint point2 = geometry::DecodeLocator(locator2.text);
    WriteCoordinates(form, point1, point2);
    const geometry::PathResult path = geometry::ComputePath(point1, point2);

    if (!rejected) {
        form.SetText(Field::Text1, SignedNumberText(path.bearing));
        form.SetText(Field::Text6, SignedNumberText(path.distance));
    } else {
        form.SetText(Field::Text1, std::u32string(kRejected));
        form.SetText(Field::Text6, std::u32string(kRejected));
        form.SetText(Field::Text3, U"");
        form.SetText(Field::Text5, U"");
    }

    if (form.Text(Field::Text3) == form.Text(Field::Text5)) {
        form.SetText(Field::Text1, std::u32string(kSameLocatorBearing));
    }

    form.Click(Button::Command3);
}

}  // namespace vestrel::window
