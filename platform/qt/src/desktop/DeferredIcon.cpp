#include <QApplication>
#include <QIconEngine>
#include <QProxyStyle>
#include <optional>

#include "desktop/DesktopStyle.h"

namespace platform::detail {
namespace {

// An icon that asks the style for the real one the first time it is drawn or measured.
class DeferredIconEngine final : public QIconEngine {
 public:
  explicit DeferredIconEngine(QStyle::StandardPixmap which) : which_(which) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    Real().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Real().pixmap(size, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Real().actualSize(size, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return Real().availableSizes(mode, state);
  }
  QIconEngine* clone() const override { return new DeferredIconEngine(which_); }

 private:
  const QIcon& Real() {
    if (!real_) {
      // The style in force now, the application may have been given another since; beneath
      // the wrapper that defers, which would defer again.
      QStyle* style = QApplication::style();
      if (auto* wrapper = qobject_cast<QProxyStyle*>(style)) style = wrapper->baseStyle();
      real_ = style->standardIcon(which_);
    }
    return *real_;
  }

  QStyle::StandardPixmap which_;
  std::optional<QIcon> real_;
};

}  // namespace

QIcon DeferredIcon(QStyle::StandardPixmap icon) { return QIcon(new DeferredIconEngine(icon)); }

}  // namespace platform::detail
