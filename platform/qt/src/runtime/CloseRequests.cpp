#include "runtime/CloseRequests.h"

#include <QCoreApplication>
#include <QWinEventNotifier>

#include <windows.h>

namespace platform::detail {

void AnswerCloseRequests(const std::function<void()>& close) {
  // The names the installer knows them by (packaging/windows/installer.nsi), in the user's
  // session. The handles stay open as long as the program runs: Windows closes them as it ends.
  CreateMutexW(nullptr, FALSE, L"org.voltagedrop.VoltageDrop");
  const HANDLE request = CreateEventW(nullptr, TRUE, FALSE, L"org.voltagedrop.VoltageDrop.Close");
  if (request == nullptr) return;
  auto* notifier = new QWinEventNotifier(request, qApp);
  // The event stays set until the installer, done waiting, resets it: it is answered once.
  QObject::connect(notifier, &QWinEventNotifier::activated, notifier, [notifier, close] {
    notifier->setEnabled(false);
    close();
  });
}

}  // namespace platform::detail
