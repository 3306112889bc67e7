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

private:
    QList<QWidget*> editingInputs_;
};

} // namespace arvenna
