#pragma once
#include <initializer_list>

class CPage;
class PageForm;

// Lays groups of a page out next to each other, in one row of the page's
// column where the first of them was, each taking an equal share of the
// width (a page too tall for the window otherwise).
void SideBySide(CPage* page, std::initializer_list<PageForm*> forms);
