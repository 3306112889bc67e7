#pragma once

#include <QTabWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace arvenna {

struct CityFrame;
struct InnerLocationFrame;
struct ProvinceFrame;
struct ProvinceInfo;
struct ReferenceLists;

// The maintenance tab: the province, city and inner location frames whose
// fields the player corrects by hand.
class MaintenancePanel : public QTabWidget {
    Q_OBJECT
public:
    MaintenancePanel(const QString& programDirectory, QWidget* parent = nullptr);

    // Enables or disables the inputs, buttons and field labels of the three frames.
    void setEditingInputs(bool enabled);
    // Empties every field of the three frames.
    void clearFields();
    // Fills the six choice lists; each item keeps its id as item data.
    void showReferenceLists(const ReferenceLists& lists);
    // The selected province's values in the three frames.
    void showProvince(const ProvinceInfo& info);
    // The values of a picked inner location in the inner location frame.
    void showInnerLocation(const InnerLocationFrame& frame);

    // What each frame holds, for its commands.
    ProvinceFrame provinceFrame() const;
    CityFrame cityFrame() const;
    InnerLocationFrame innerFrame() const;
    // The code of the picked line of LstInner, empty when none is picked.
    QString pickedInnerLine() const;

    // Province frame.
    QLineEdit* OutProvinceCoord;
    QLineEdit* TxtProvName;
    QLineEdit* TxtPeasants;
    QComboBox* CmbProvTerrain;
    QComboBox* CmbProvContinent;
    QComboBox* CmbProvRuller;
    QPushButton* CmdUpdProv;
    QPushButton* CmdDelProv;
    // City frame.
    QLineEdit* OutLocalCoord;
    QLineEdit* TxLocalID;
    QLineEdit* TxLocalNo;
    QLineEdit* TxLocalName;
    QLabel* LblLocalName1;
    QComboBox* CmbLocalType;
    QCheckBox* ChkSafeHeaven;
    QListWidget* LstLocalSkill;
    QPushButton* CmdLocalUpd;
    QPushButton* CmdDeleteLocal;
    // Inner location frame.
    QLineEdit* OutInnerCoord;
    QListWidget* LstInner;
    QLineEdit* TxInnerID;
    QLineEdit* InInnerNo;
    QLineEdit* InInnerName;
    QComboBox* CmbInnerType;
    QLineEdit* TxInnerEntrSize;
    QLineEdit* TxInnerTravTime;
    QCheckBox* CkInnerHidden;
    QCheckBox* CkInnerClosed;
    QPushButton* CmdAddInner;
    QPushButton* CmdDeleteInner;

signals:
    void provinceUpdatePressed(const ProvinceFrame& frame);
    void provinceDeletePressed();
    void cityUpdatePressed(const CityFrame& frame);
    void cityDeletePressed();
    void innerUpdatePressed(const InnerLocationFrame& frame, const QString& pickedLine);
    void innerDeletePressed(const InnerLocationFrame& frame);
    // A line of LstInner became the picked one (by the player or a refresh).
    void innerLinePicked(const QString& code);

private:
    // Each frame with its fields, labels and buttons, its inputs added to editingInputs_.
    QGroupBox* buildProvinceFrame(QWidget* page, const QString& programDirectory);
    QGroupBox* buildCityFrame(QWidget* page, const QString& programDirectory);
    QGroupBox* buildInnerFrame(QWidget* page, const QString& programDirectory);
    void emitCommands();

    QList<QWidget*> editingInputs_;
};

} // namespace arvenna
