#pragma once

#include <QEventLoop>
#include <array>

#include "core/Views.h"
#include "ui/SecondaryWindow.h"

class QPushButton;

namespace velmora::ui {

class BackPicture;
class CardPictures;
class QtEventPump;

// The card-back chooser: the twelve backs at their own sizes, OK and Cancel. It only shows
// what its rules ask and passes them each event; the rules decide what a click means. The
// backs are one Tab stop after OK and Cancel; the arrow keys move among them as they lie, and
// Space or Enter on one is a click on it.
class BacksWindow final : public SecondaryWindow, public BacksView {
  Q_OBJECT
 public:
  static constexpr int kBackCount = 12;
  static constexpr int kClientWidth = 7728;  // twips
  static constexpr int kClientHeight = 4392;
  // The frame of a chosen back, one pixel wide just outside its picture.
  static inline const QColor kBorderColour{255, 255, 255};

  BacksWindow(QtEventPump& pump, CardPictures& pictures, BacksEvents& events,
              QWidget* parent = nullptr);

  // Shows the window application-modal and returns once it has been unloaded, by its rules,
  // its close box or the end of the program.
  void Run();

  // BacksView
  void SetBorder(Int16 index, bool on) override;
  void SetBackVisible(Int16 index, bool visible) override;
  void Unload() override;

  // For tests and tools: the controls as the player sees them.
  QWidget* Back(int index) const;
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }
  bool HasBorder(int index) const;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  template <class Handler>
  void Deliver(Handler handler);
  void RepaintFrame(Int16 index);
  void MoveFocus(int from, int key);
  void MakeTabStop(int index);

  QtEventPump& pump_;
  BacksEvents& events_;
  std::array<BackPicture*, kBackCount + 1> backs_{};
  QWidget* frames_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QEventLoop loop_;
  bool loaded_ = false;    // Form_Load has been delivered
  bool closing_ = false;   // the close box's Form_Unload is running
  bool unloaded_ = false;  // nothing more reaches the rules
};

}  // namespace velmora::ui
