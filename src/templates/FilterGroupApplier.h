#pragma once
struct TemplateApplyContext;

// Replaces the device's MAC access control with the template's: empties the
// device's address list, then sets the mode and the template's addresses in
// one set. A device in "Wireless Client" mode gets no filter.
class FilterGroupApplier {
public:
    static void Apply(TemplateApplyContext& context);
};
