#pragma once
struct TemplateApplyContext;

// Writes the security settings of the band in use as far as the device's AP
// mode allows them: the key entry method of the active key, then
// authentication, encryption, keys, cipher and RADIUS in one set.
class SecurityGroupApplier {
public:
    static void Apply(TemplateApplyContext& context);
};
