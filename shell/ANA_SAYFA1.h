#pragma once
// The main window the signed-in user works from: a menu and a row of buttons open every other
// window, the status bar shows firm, version, database and computer.

#include <QMainWindow>
#include <QString>
#include <array>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QStatusBar;
class DataQuery;

class TANA_SAYFA : public QMainWindow {
    Q_OBJECT
public:
    explicit TANA_SAYFA(QWidget *parent = nullptr);

    QFrame *Panel1;
    QPushButton *Button2;
    QPushButton *Button3;
    QPushButton *Button1;
    QPushButton *ButtonKAPAT;
    QLabel *LabelIP_BILGI;

    // Four panels: firm, version, database, computer.
    QStatusBar *StatusBarDURUM_CUBUGU;
    static constexpr int StatusPanelCount = 4;
    QString panelText(int panel) const;
    void setPanelText(int panel, const QString &text);

    QMenuBar *MainMenu1;
    QMenu *Dosya1;
    QAction *IKI1;
    QMenu *Servisler1;
    QAction *YkBildirimi1;
    QAction *YkBildirimiDetay1;
    QAction *YkBildirimRaporu1;
    QAction *YkBildirimiListesi1;
    QAction *YkBildirimiGncelle1;
    QAction *YkBildirimiptalEt1;
    QAction *AraMuayeneSorgula1;
    QAction *YetkiBelgesiKontrol1;
    QAction *MeslekiYeterlilikSorgula1;
    QAction *ServisTest2;
    QMenu *Ayarlar1;
    QAction *KantarBilgileri1;
    QAction *KullancHesaplar1;
    QAction *SQLSorgu1;
    QAction *Hakknda1;
    QAction *Bavuru1;

public slots:
    void IKI1Click();
    void ButtonKAPATClick();
    void YkBildirimi1Click();
    void YkBildirimiDetay1Click();
    void YkBildirimRaporu1Click();
    void YkBildirimiListesi1Click();
    void YkBildirimiGncelle1Click();
    void YkBildirimiptalEt1Click();
    void AraMuayeneSorgula1Click();
    void YetkiBelgesiKontrol1Click();
    void MeslekiYeterlilikSorgula1Click();
    void ServisTest2Click();
    void KantarBilgileri1Click();
    void KullancHesaplar1Click();
    void SQLSorgu1Click();
    void Hakknda1Click();
    void Bavuru1Click();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void FormShow();
    void Log(const QString &Value);
    // Shows the refusal and returns false unless the signed-in user's right is "Admin".
    bool CheckAdminRight();

    std::array<QLabel *, StatusPanelCount> m_panels{};
};

// True only for the right "Admin", exactly.
bool IsAdminRight(const QString &yetki);

// Copies the service account of the settings row into the service operations' module state:
// user name, password, address; exchange log on in the folder "XMLLog" beside the program
// (created when missing), no proxy. Opens the query first when it is closed.
void LoadServiceSettings(DataQuery &ayarlar);

// The petition document beside the working folder, opened by "Bildirim Başvuru".
QString PetitionDocumentPath();

extern TANA_SAYFA *ANA_SAYFA;
