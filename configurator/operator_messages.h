#pragma once

// How the configurator's windows speak to the operator. The program shows
// real message boxes under its title; tests install a recorder so that no
// modal loop blocks them.

#include <QString>
#include <memory>

class QWidget;

namespace lumora {

// The title of the program, the caption of all its message boxes.
inline constexpr const char* kProgramTitle = "Lumora Configurator for Retail Pro 9";

// An information message without buttons that stays on screen while work
// runs; destroying it takes it away.
class TWaitMessage {
 public:
  virtual ~TWaitMessage() = default;
  virtual void Hide() = 0;
};

// The operator-facing messages. Called on the GUI thread only.
class TOperatorMessages {
 public:
  virtual ~TOperatorMessages() = default;
  // A message with an OK button; returns when the operator dismissed it.
  virtual void ShowMessage(QWidget* parent, const QString& text) = 0;
  // The general error message for an error that escaped a window's handler.
  virtual void ShowError(QWidget* parent, const QString& text) = 0;
  virtual std::unique_ptr<TWaitMessage> ShowWait(QWidget* parent, const QString& text) = 0;
};

// The messages in force: the message boxes, or what a test installed.
TOperatorMessages& Messages();
// Installs `messages` (not owned) until called again; nullptr restores the
// message boxes.
void SetMessages(TOperatorMessages* messages);

}  // namespace lumora
