// The CPU cost of one keystroke in the diameter field: from the key press through the
// cross-section rewrite and the recomputation to the result label set, painting excluded
// (offscreen, and no event loop runs between keystrokes). Prints the median in microseconds
// over many keystrokes, with the field short and with it full: 32,767 characters, the most a
// field holds, reached by every other keystroke.
#include <time.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>
#include <cstdio>
#include <string_view>
#include <vector>

#include "platform/Application.h"
#include "platform/QtAccess.h"
#include "platform/TextField.h"
#include "window/Window1.h"

namespace {

double ThreadMicroseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return now.tv_sec * 1e6 + now.tv_nsec / 1e3;
}

void Key(QWidget* widget, int key, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(widget, &release);
}

// Median CPU time of `action` over `times` calls, after as many unmeasured ones to warm up.
template <class F>
double Median(int times, F&& action) {
  for (int i = 0; i < times; ++i) action(i);
  std::vector<double> samples;
  for (int i = 0; i < times; ++i) {
    const double before = ThreadMicroseconds();
    action(i);
    samples.push_back(ThreadMicroseconds() - before);
  }
  std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
  return samples[samples.size() / 2];
}

// Median CPU time of typing a digit then Backspace at the end of the field, per keystroke.
double MedianKeystroke(QLineEdit* field, int keystrokes) {
  return Median(keystrokes, [field](int i) {
    const bool digit = i % 2 == 0;
    Key(field, digit ? Qt::Key_7 : Qt::Key_Backspace, digit ? "7" : "\b");
  });
}

// Median CPU time of the calculator's own reaction to a key: from its KeyUp handler through the
// cross-section rewrite to the result set.
double MedianRecompute(Window1& window, int times) {
  return Median(times, [&window](int) { window.diameter_KeyUp(window.diameter(), "7"); });
}

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  platform::Runtime runtime(argc, argv);
  Window1& window = window1();
  auto* field = static_cast<QLineEdit*>(platform::WidgetOf(window.diameter()));
  field->setFocus();
  field->end(false);
  std::printf("keystroke_us %.2f\n", MedianKeystroke(field, 20000));
  std::printf("recompute_us %.2f\n", MedianRecompute(window, 20000));
  // "short": the short field only, as callgrind profiles a keystroke.
  if (argc > 1 && std::string_view(argv[1]) == "short") return 0;
  window.diameter().SetText("0.5" + std::string(platform::kStandardMaxLength - 4, '1'));
  field->end(false);
  std::printf("keystroke_full_us %.2f\n", MedianKeystroke(field, 200));
  std::printf("recompute_full_us %.2f\n", MedianRecompute(window, 200));
  platform::DestroyAllWindows();
  return 0;
}
