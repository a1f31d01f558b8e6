#pragma once
#include <QString>
#include <QWidget>
#include <array>

class QLineEdit;

// The IP-address control: four fields of 0 to 255 separated by dots. Its text
// is the dotted address, or empty when every field is empty. A field takes
// only decimal digits, and a value typed above 255 becomes 255.
class IpAddressEdit : public QWidget {
    Q_OBJECT
public:
    explicit IpAddressEdit(QWidget* parent = nullptr);

    QString Text() const;
    // Takes a dotted address of four parts of one to three decimal digits,
    // each at most 255; anything else empties the fields.
    void SetText(const QString& text);
    void Clear();
    bool IsBlank() const;
    // Puts the focus into the first field.
    void FocusFirstField();
    QLineEdit* Field(int index) const { return fields_.at(static_cast<size_t>(index)); }

    // The value of one dotted part: one to three decimal digits ("0" to "9")
    // and nothing else; -1 for any other text.
    static int PartValue(const QString& part);

private:
    std::array<QLineEdit*, 4> fields_{};
};
