#pragma once
struct TemplateApplyContext;

// Writes the template's "SYS_" keys in one set: address source, mask,
// gateway, administrator account, console access and its time-out.
class SystemGroupApplier {
public:
    static void Apply(TemplateApplyContext& context);
};
