#pragma once
#include "shell/Page.h"

// The grouping page: created with the window's other pages, but no menu
// command or bar item shows it on this model, and it holds nothing.
class CGroupingPage : public CPage {
public:
    using CPage::CPage;
};
