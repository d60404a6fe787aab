"""Drives velun with random real input from a seed and checks it after each action."""
import os, random, subprocess, sys, time

seed, minutes, work, probe, checker = int(sys.argv[1]), float(sys.argv[2]), sys.argv[3], sys.argv[4], sys.argv[5]
wine, log = os.environ["WINE"], []
rng = random.Random(seed)
actions = open(os.path.join(work, "actions.log"), "w")
run = os.path.join(work, "run")
found = {"lost releases": 0, "boxes": 0, "exports": 0, "imports": 0, "restarts": 0, "under 1252": 0}


class Seen:
    """What the probe saw of velun."""
    windows = ws = gdi = 0
    boxes, menus, files, close, buttons, palette, focus = [], [], [], None, (0, 0), (0, 0, 0, 0), 0


seen = Seen()


def x(*args): subprocess.run(["xdotool", *map(str, args)], check=False)


def x_focus():
    r = subprocess.run(["xdotool", "getwindowfocus", "getwindowname"], capture_output=True, text=True)
    return r.stdout.strip()


def start(lang=None):
    env = dict(os.environ, LANG=lang) if lang else None
    subprocess.Popen([wine, "velun.exe"], cwd=run, env=env, stdin=subprocess.DEVNULL,
                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def fail(why):
    shot = os.path.join(work, f"fail-{seed}.png")
    subprocess.run(["import", "-window", "root", shot])
    print(f"monkey FAILED seed {seed}: {why}\nlast actions:\n" + "\n".join(log[-50:]) + f"\nscreenshot {shot}")
    sys.exit(1)


def probe_once():
    r = subprocess.run([wine, probe], capture_output=True, text=True, timeout=60)
    return r.returncode, r.stdout


def look(limit=20):
    """Waits (bounded) until velun answers WM_NULL, and reads what it shows."""
    end = time.time() + limit
    while True:
        code, out = probe_once()
        if code == 0 or time.time() > end: break
        time.sleep(0.5)
    if code: fail("velun " + out.strip())
    lines = out.splitlines()
    numbers = lambda tag: [tuple(map(int, l.split()[1:])) for l in lines if l.startswith(tag + " ")]
    counts = [l for l in lines if l.startswith("windows")][0].split()
    seen.windows, seen.ws, seen.gdi = int(counts[1]), int(counts[3]), int(counts[5])
    seen.boxes = [l for l in lines if l.startswith("box")]
    seen.files = [l for l in lines if l.startswith("filedlg")]
    seen.menus = numbers("menu")
    close = numbers("close")
    seen.close = close[0] if close else None
    seen.buttons = numbers("buttons")[0]
    seen.palette = numbers("palette")[0]
    seen.focus = (numbers("focus") or [(0,)])[0][0]
    return seen


def act(name, *steps):
    log.append(name); actions.write(name + "\n"); actions.flush()
    for s in steps:
        if s[0] == "click":  # as long as a user's click, not XTest's instant one
            x("mousedown", s[1]); time.sleep(0.06); x("mouseup", s[1])
        elif s[0] == "wait": time.sleep(s[1])
        else: x(*s)


def wait_for(what, why, limit=15):
    """Waits (bounded) for what velun shows, then as long as a user takes to see it."""
    end = time.time() + limit
    while not what(look()):
        if time.time() > end: fail(why)
        time.sleep(0.25)
    time.sleep(0.3)


def move(): return ("mousemove", rng.randrange(1024), rng.randrange(740))


# Text for the settings' edits: numbers in and out of range, format
# specifiers, Japanese, and characters Shift-JIS cannot hold.
def random_text():
    kind = rng.randrange(4)
    if kind == 0: return str(rng.choice([rng.randrange(-5, 300), rng.randrange(10**6)]))
    pool = ["abcXYZ%#$ 0123", "%r%g%b%h%s%v%cn%hd%x", "色見本ぬべら漢字カナ", "€ßé😀한글ä"][kind]
    return "".join(rng.choice(pool) for _ in range(rng.randrange(1, 14)))


IDC_FIRST_BIND, IDC_LAST_BIND = 1200, 1209  # the key page's key controls and their 無効 buttons


def settings_round():
    act("settings open (second start)"); start()
    wait_for(lambda s: s.close is not None, "the settings did not open")
    for _ in range(rng.randrange(1, 6)):
        kind = rng.choice(["page", "tab", "type", "space"])
        # The monkey drives velun by the default keys: their controls are left as they are.
        if kind in ("type", "space") and IDC_FIRST_BIND <= look().focus <= IDC_LAST_BIND: kind = "tab"
        if kind == "page": act("ctrl+Tab", *[("key", "ctrl+Tab")] * rng.randrange(1, 7))
        elif kind == "tab": act("Tab", *[("key", "Tab")] * rng.randrange(1, 9))
        elif kind == "space": act("space", ("key", "space"))
        else:
            text = random_text()
            act(f"type {text!r}", ("key", "ctrl+a"), ("type", "--delay", "30", text))
    act("更新 (Enter)", ("key", "Return"))
    return "settings"


# The tray menu's items, as the distance of their middle from its bottom
# (at 100 %). The menu has no keyboard focus under Wine: the user clicks.
TRAY_ITEMS = [("ピッカーを表示", 112), ("パレットを表示", 95), ("ズーム", 69), ("範囲", 52), ("設定", 26), ("終了", 9)]


def leave_menus():
    for _ in range(3):
        if not seen.menus: return
        act("leave the menus", ("mousemove", 600, 757), ("click", 1))  # the empty taskbar
        time.sleep(0.3)
        look()


def tray_menu():
    act("tray menu", ("mousemove", 1013, 757), ("click", 3))
    wait_for(lambda s: s.menus, "the tray menu did not open")
    left, top, right, bottom = seen.menus[0]
    name, dy = rng.choice(TRAY_ITEMS + [("none", 0)])
    if name == "none" or (name == "終了" and rng.random() > 0.5):
        leave_menus()
        return None
    act("menu " + name, ("mousemove", left + 40, bottom - dy), ("click", 1))
    if name == "終了": return "quit"
    time.sleep(0.3)
    look()
    if len(seen.menus) > 1:  # a submenu: one of its items
        l2, t2, r2, b2 = seen.menus[-1]
        act("submenu item", ("mousemove", l2 + 30, rng.randrange(t2 + 5, b2 - 4)), ("click", 1))
        time.sleep(0.3)
        look()
    leave_menus()
    return None


EXPORT_TYPES = [".gpl", ".ase", ".css", ".json", ".txt"]


def exported(): return sorted(f for f in os.listdir(run) if f.endswith(tuple(EXPORT_TYPES)))


def show_palette():
    """Brings the palette window to the front with the keys' focus: the hot key, twice if it is behind."""
    if look().palette[0] and not seen.palette[1]:
        act("palette away (ctrl+P)", ("key", "ctrl+p"))
        wait_for(lambda s: not s.palette[0], "the palette window did not hide")
    if not seen.palette[0]: act("palette (ctrl+P)", ("key", "ctrl+p"))
    wait_for(lambda s: s.palette[0] and s.palette[1], "the palette window did not come with the keys' focus")
    # Xvfb has no window manager, and Wine's desktop may leave the X focus,
    # and the keys, with the scene: it is given to the palette, as a
    # window manager would.
    if x_focus() != "ぬべらパレット":
        act("X focus to the palette", ("search", "--name", "^ぬべらパレット$", "windowfocus"))
        wait_for(lambda s: x_focus() == "ぬべらパレット", "the palette window took no X focus")


def file_round():
    """Exports the shown palette in a random format, or imports a file exported before."""
    show_palette()
    importing = exported() and rng.random() < 0.5
    if importing:
        name = rng.choice(exported())
        act(f"import {name}", ("key", "ctrl+i"))
        wait_for(lambda s: s.files, "no open dialog")
        act("type the name", ("type", "--delay", "20", name), ("key", "Return"))
        found["imports"] += 1
    else:
        n = rng.randrange(len(EXPORT_TYPES))
        name = f"m{rng.randrange(6)}"
        act(f"export {name}{EXPORT_TYPES[n]}", ("key", "ctrl+e"))
        wait_for(lambda s: s.files, "no save dialog")
        # The file name, then the type list: one down per type.
        act("type the name", ("key", "ctrl+a"), ("type", "--delay", "20", name), ("key", "Tab"),
            *[("key", "Down")] * n, ("key", "Return"))
        found["exports"] += 1
    # Replacing a file asks first; a file velun cannot read it says so.
    for _ in range(20):
        look()
        if not seen.files and not seen.boxes: break
        for b in seen.boxes:
            if importing and name.endswith((".gpl", ".ase")):
                fail(f"what velun exported does not import: {b}")
            act("box answered " + b, ("key", "Return"))
        time.sleep(0.3)
    else: fail("the file dialog did not close")
    return None


def step():
    c = rng.randrange(13)
    if c == 0: act("move", move())
    elif c == 1:
        b = rng.choice([1, 3])
        act(f"drag {b}", move(), ("mousedown", b), move(), ("mouseup", b))
    elif c == 2: act("spuit", move(), ("keydown", "alt"), ("click", 3), ("keyup", "alt"))
    elif c == 3: act("lock", ("key", "alt+F2"))
    elif c == 4: act("picker", ("key", "alt+F1"))
    elif c == 5:
        keys = [rng.choice([("click", 4), ("click", 5), ("key", rng.choice(["Up", "Down", "Left", "Right"]))])
                for _ in range(rng.randrange(1, 6))]
        act("zoom " + " ".join(str(k[1]) for k in keys), move(), ("keydown", "shift"), *keys, ("keyup", "shift"))
    elif c == 6:
        keys = [rng.choice(["1", "2", "3", "4", "5", "q", "w", "Return", "Delete", "Left", "Right"])
                for _ in range(rng.randrange(1, 5))]
        show_palette()
        act("palette " + " ".join(keys), *[("key", k) for k in keys])
        if "Delete" in keys: act("answer", ("key", rng.choice(["Return", "Escape"])))
        if rng.random() < 0.5: act("palette away (ctrl+P)", ("key", "ctrl+p"))
    elif c == 7: return settings_round()
    elif c == 8: return tray_menu()
    elif c == 9: return file_round()
    else: act("move", move())
    return None


def check_files():
    r = subprocess.run([checker, run], capture_output=True, text=True)
    if r.returncode: fail("saved files: " + r.stdout.strip() + f" (code {r.returncode})")


def restart():
    """After 終了: the files must be whole; then velun starts again, now and then under code page 1252."""
    end = time.time() + 20
    while probe_once()[0] != 1:
        if time.time() > end: fail("velun did not end after 終了")
        time.sleep(0.5)
    check_files()
    lang = "en_US.UTF-8" if rng.random() < 0.3 else None
    act("restart" + (" under 1252" if lang else "")); start(lang); time.sleep(3)
    found["restarts"] += 1
    found["under 1252"] += lang is not None


start(); time.sleep(4)
look(30)
w0, gdi0, ws0 = seen.windows, seen.gdi, seen.ws
settings_made = False  # the pages are made at the first opening and kept
print(f"monkey seed {seed}: start windows {w0}, GDI objects {gdi0}, working set {ws0 // 1024} KiB")
most = {"windows": 0, "gdi": 0, "ws": 0}
end, count = time.time() + minutes * 60, 0
while time.time() < end:
    what = step(); count += 1
    if what == "quit":
        restart()
        continue
    time.sleep(0.3)
    look()
    # Under Wine a click that closes a menu may lose its release: the X
    # server has the button up, Wine keeps it down. A user clicks again.
    if any(seen.buttons):
        time.sleep(1)
        look()
    if any(seen.buttons):
        found["lost releases"] += 1
        act("click again: Wine kept a button down", ("mousemove", 600, 757),
            *[("click", 1 if i == 0 else 3) for i, held in enumerate(seen.buttons) if held])
        look()
    # In the settings the user's keys may refuse a value (エラー, 警告) or
    # press About...: such a box is the user's doing and is closed; any
    # other box is a fault. The settings may also have opened from the tray
    # menu: they are closed by their button, as a user does, and the bounds
    # count with them closed.
    for _ in range(5):
        if not seen.boxes: break
        for b in seen.boxes:
            if what == "settings" or seen.close is not None:
                found["boxes"] += 1
                act("box closed " + b, ("key", "Return"))
            else: fail("unexpected " + b)
        time.sleep(0.5)
        look()
    if seen.close is not None:
        act("settings close (閉じる)", ("mousemove", *seen.close), ("click", 1))
        wait_for(lambda s: s.close is None, "the settings did not close", 10)
        if not settings_made: settings_made, w0, gdi0 = True, max(w0, seen.windows), max(gdi0, seen.gdi)
    most = {"windows": max(most["windows"], seen.windows), "gdi": max(most["gdi"], seen.gdi),
            "ws": max(most["ws"], seen.ws)}
    if seen.windows > w0 + 10 or seen.gdi > gdi0 + 200 or seen.ws > ws0 + 40 * 2**20:
        fail(f"bounds: windows {seen.windows} (start {w0}), GDI objects {seen.gdi} (start {gdi0}), "
             f"working set {seen.ws} (start {ws0})")
print(f"monkey seed {seed}: {count} actions in {minutes} min, passed; most windows {most['windows']}, "
      f"GDI objects {most['gdi']}, working set {most['ws'] // 1024} KiB; "
      + ", ".join(f"{k} {v}" for k, v in found.items()))
