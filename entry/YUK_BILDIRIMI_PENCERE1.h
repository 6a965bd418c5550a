#pragma once
// The load notification window: one trip (plates, drivers, transport type, trip number) with
// its loads, tested and sent to the service as one new notification.

#include <QDialog>

class QCloseEvent;
class QComboBox;
class QLineEdit;
class QPushButton;
class QShowEvent;
class QTabWidget;
class QTableView;
class QWidget;
class YukListesi;

class TYUK_BILDIRIMI_PENCERE : public QDialog {
    Q_OBJECT
public:
    explicit TYUK_BILDIRIMI_PENCERE(QWidget *parent = nullptr);

    QTabWidget *PageControl1;
    QWidget *TabSheet1; // "Genel Bilgiler"
    QWidget *TabSheet4; // "Taşınacak Ürünler"

    QLineEdit *EditPLAKA1;
    QPushButton *BitBtn5;
    QLineEdit *EditPLAKA2;
    QPushButton *BitBtn6;
    QLineEdit *EditKAPASITE;
    QLineEdit *EditSOFOR1;
    QPushButton *BitBtn7;
    QLineEdit *EditSOFOR2;
    QPushButton *BitBtn8;
    QComboBox *ComboTASIMA_TURU_SECIM;
    QLineEdit *EditTASIMA_TURU_KODU; // never visible: "2" not dangerous, "1" dangerous
    QLineEdit *EditFIRMA_YUK_NO;
    QLineEdit *EditFIRMA_SEFER_NO;
    QPushButton *Button3; // "Sonraki >>"

    QTableView *DBGrid2;
    QPushButton *Button2; // "Ekle"
    QPushButton *Button7; // "Sil"
    QPushButton *Button6; // "Kaydet ve Gönder"

    QPushButton *ButtonTemizle;      // never visible: its click is the clear step
    QLineEdit *EditYUKLENEN_TONAJ;   // never visible: the kilogram total of the last send attempt

    // The trip's loads; the load item editor appends to it. It outlives closing the window, so
    // an order set by a send stays in force for the rest of the run.
    YukListesi *tblYukler;

public slots:
    void FormShow();
    void FormClose();
    void EditPLAKA1Change();
    void ComboTASIMA_TURU_SECIMChange();
    void BitBtn5Click();
    void BitBtn6Click();
    void BitBtn7Click();
    void BitBtn8Click();
    void Button2Click();
    void Button3Click();
    void Button6Click();
    void Button7Click();
    void ButtonTemizleClick();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Log(const QString &text);
    void showVehiclePicker(const QString &mode, int searchKind);
    void syncGridToCursor(int row);
};

extern TYUK_BILDIRIMI_PENCERE *YUK_BILDIRIMI_PENCERE;
