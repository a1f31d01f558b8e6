#pragma once
#include "LocalRadiusAccount.h"
#include "shell/Page.h"
#include <optional>

class ComboField;
class EditField;

// The internal RADIUS server page: the accounts of the server built into the
// access point, added ("Save") and deleted ("Del") one at a time through the
// device's action variable and read back from its account list.
class CRadiusServerPage : public CPage {
    Q_OBJECT
public:
    CRadiusServerPage(CMainView* view, const PageRow& row);

    void Refresh() override;
    const std::vector<CLocalRadiusAccount>& Accounts() const { return accounts_; }

private:
    void RowArrived();
    void ListEnded(const RequestResult& result);
    void ReadList(std::function<void(bool)> then);
    void ShowList();
    void SaveAccount();
    void EditAccount();
    void DeleteAccount();
    void ClearEditor();

    PageRequest* add_ = nullptr;
    PageRequest* delete_ = nullptr;
    PageRequest* list_ = nullptr;
    EditField* name_ = nullptr;
    EditField* password_ = nullptr;
    ComboField* status_ = nullptr;
    PageList* view_ = nullptr;

    std::vector<CLocalRadiusAccount> accounts_;
    std::vector<CLocalRadiusAccount> arriving_;
    std::optional<QString> editing_;   // the user name loaded by "Edit"
    std::function<void(bool)> listThen_;
};
