#include "window_watch.h"

#include <poll.h>
#include <xcb/xtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>

namespace tavro::bench {

namespace {

constexpr xcb_keysym_t kControlL = 0xffe3;

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
Reply<T> Owned(T* reply) {
  return Reply<T>(reply, &std::free);
}

}  // namespace

WindowWatch::WindowWatch(const std::string& display) {
  int screen_number = 0;
  connection_ = xcb_connect(display.c_str(), &screen_number);
  if (xcb_connection_has_error(connection_)) {
    xcb_disconnect(connection_);
    connection_ = nullptr;
    throw std::runtime_error("cannot connect to the X server " + display);
  }
  xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
  for (int i = 0; i < screen_number && screens.rem > 0; ++i) xcb_screen_next(&screens);
  root_ = screens.data->root;

  const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &events);

  constexpr const char* kPidAtom = "_NET_WM_PID";
  auto atom = Owned(xcb_intern_atom_reply(
      connection_,
      xcb_intern_atom(connection_, 0, static_cast<uint16_t>(std::strlen(kPidAtom)), kPidAtom),
      nullptr));
  if (!atom) throw std::runtime_error("the X server refused an atom");
  wm_pid_ = atom->atom;

  auto extension = Owned(
      xcb_test_get_version_reply(connection_, xcb_test_get_version(connection_, 2, 2), nullptr));
  if (!extension) throw std::runtime_error("the X server has no XTest extension");
}

WindowWatch::~WindowWatch() {
  if (connection_) xcb_disconnect(connection_);
}

std::optional<MappedWindow> WindowWatch::WaitForMap(pid_t pid, xcb_window_t except,
                                                    Clock::time_point deadline) {
  const int fd = xcb_get_file_descriptor(connection_);
  while (true) {
    // Notices already read off the connection come first; then wait for more.
    xcb_generic_event_t* raw = xcb_poll_for_queued_event(connection_);
    if (!raw) {
      const auto left =
          std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
      if (left <= 0) return std::nullopt;
      pollfd watched{fd, POLLIN, 0};
      const int ready = poll(&watched, 1, static_cast<int>(left) + 1);
      if (ready < 0 && errno != EINTR) throw std::runtime_error("poll on the X connection failed");
      raw = xcb_poll_for_event(connection_);
      if (!raw) {
        if (xcb_connection_has_error(connection_)) throw std::runtime_error("lost the X server");
        continue;
      }
    }
    const Clock::time_point at = Clock::now();
    auto event = Owned(raw);
    if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY) continue;
    const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
    if (map->override_redirect || map->window == except) continue;
    if (PidOf(map->window) != pid) continue;
    return MappedWindow{map->window, at};
  }
}

void WindowWatch::Drain() {
  // A round trip makes sure every notice the server sent is read.
  free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
  while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) free(event);
}

void WindowWatch::Focus(xcb_window_t window) {
  xcb_set_input_focus(connection_, XCB_INPUT_FOCUS_POINTER_ROOT, window, XCB_CURRENT_TIME);
  xcb_flush(connection_);
}

Clock::time_point WindowWatch::Press(xcb_keysym_t keysym, bool control) {
  const xcb_keycode_t key = KeycodeOf(keysym);
  const xcb_keycode_t control_key = control ? KeycodeOf(kControlL) : 0;
  const auto fake = [this](uint8_t type, xcb_keycode_t code) {
    xcb_test_fake_input(connection_, type, code, XCB_CURRENT_TIME, root_, 0, 0, 0);
  };
  if (control) fake(XCB_KEY_PRESS, control_key);
  fake(XCB_KEY_PRESS, key);
  fake(XCB_KEY_RELEASE, key);
  if (control) fake(XCB_KEY_RELEASE, control_key);
  const Clock::time_point at = Clock::now();
  xcb_flush(connection_);
  return at;
}

std::optional<pid_t> WindowWatch::PidOf(xcb_window_t window) {
  auto reply = Owned(xcb_get_property_reply(
      connection_, xcb_get_property(connection_, 0, window, wm_pid_, XCB_ATOM_CARDINAL, 0, 1),
      nullptr));
  if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) < 4)
    return std::nullopt;
  return static_cast<pid_t>(*static_cast<const uint32_t*>(xcb_get_property_value(reply.get())));
}

xcb_keycode_t WindowWatch::KeycodeOf(xcb_keysym_t keysym) {
  const xcb_setup_t* setup = xcb_get_setup(connection_);
  const uint8_t first = setup->min_keycode;
  const uint8_t count = static_cast<uint8_t>(setup->max_keycode - setup->min_keycode + 1);
  auto mapping = Owned(xcb_get_keyboard_mapping_reply(
      connection_, xcb_get_keyboard_mapping(connection_, first, count), nullptr));
  if (!mapping) throw std::runtime_error("the X server sent no keyboard mapping");
  const xcb_keysym_t* symbols = xcb_get_keyboard_mapping_keysyms(mapping.get());
  const int per_key = mapping->keysyms_per_keycode;
  for (int code = 0; code < count; ++code)
    for (int level = 0; level < per_key; ++level)
      if (symbols[code * per_key + level] == keysym)
        return static_cast<xcb_keycode_t>(first + code);
  throw std::runtime_error("no key gives the keysym " + std::to_string(keysym));
}

}  // namespace tavro::bench
