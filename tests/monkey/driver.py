"""Drives velun with random real input from a seed and checks it after each action."""
import os, random, subprocess, sys, time
from types import SimpleNamespace

seed, minutes, work, probe, checker = int(sys.argv[1]), float(sys.argv[2]), sys.argv[3], sys.argv[4], sys.argv[5]
wine, log, rng = os.environ["WINE"], [], random.Random(seed)
actions, run = open(os.path.join(work, "actions.log"), "w"), os.path.join(work, "run")
found = dict.fromkeys(["lost releases", "boxes", "exports", "imports", "restarts", "under 1252"], 0)
BIND_IDS = range(1200, 1210)  # the key page's controls: the monkey drives velun by the default keys
EXPORT_TYPES = [".gpl", ".ase", ".css", ".json", ".txt"]
# The tray menu's items by the distance of their middle from its bottom (at
# 100 %). Under Wine the tray menu takes no keys: the user clicks.
TRAY_ITEMS = [("ピッカーを表示", 112), ("パレットを表示", 95), ("ズーム", 69), ("範囲", 52), ("設定", 26), ("終了", 9)]


def x(*args): return subprocess.run(["xdotool", *map(str, args)], capture_output=True, text=True).stdout.strip()


def start(lang=None):
    subprocess.Popen([wine, "velun.exe"], cwd=run, env=dict(os.environ, LANG=lang) if lang else None,
                     stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def fail(why):
    shot = os.path.join(work, f"fail-{seed}.png")
    subprocess.run(["import", "-window", "root", shot])
    print(f"monkey FAILED seed {seed}: {why}\nlast actions:\n" + "\n".join(log[-50:]) + f"\nscreenshot {shot}")
    sys.exit(1)


def probe_once():
    r = subprocess.run([wine, probe], capture_output=True, text=True, timeout=60)
    return r.returncode, r.stdout


def look(limit=20):
    """Waits (bounded) until velun answers WM_NULL, and reads what the probe saw."""
    end = time.time() + limit
    while (got := probe_once())[0] and time.time() < end: time.sleep(0.5)
    if got[0]: fail("velun " + got[1].strip())
    lines = got[1].splitlines()
    text = lambda tag: [l for l in lines if l.startswith(tag + " ")]
    nums = lambda tag: [tuple(map(int, l.split()[1:])) for l in text(tag)]
    w = text("windows")[0].split()
    return SimpleNamespace(windows=int(w[1]), ws=int(w[3]), gdi=int(w[5]), boxes=text("box"), files=text("filedlg"),
                           menus=nums("menu"), close=(nums("close") or [None])[0], buttons=nums("buttons")[0],
                           palette=nums("palette")[0], focus=nums("focus")[0][0],
                           menu_bar=nums("menumode")[0][0] and not nums("menu"))


def act(name, *steps):
    log.append(name); actions.write(name + "\n"); actions.flush()
    for s in steps:
        if s[0] == "click":  # as long as a user's click, not XTest's instant one
            x("mousedown", s[1]); time.sleep(0.06); x("mouseup", s[1])
        else: x(*s)


def wait_for(what, why, limit=15):
    """Waits (bounded) for what velun shows, then as long as a user takes to see it."""
    end = time.time() + limit
    while not what(seen := look()):
        if time.time() > end: fail(why)
        time.sleep(0.25)
    time.sleep(0.3)
    return seen


def move(): return ("mousemove", rng.randrange(1024), rng.randrange(740))


def random_text():
    """Numbers in and out of range, format specifiers, Japanese, and characters Shift-JIS cannot hold."""
    kind = rng.randrange(5)
    if kind == 0: return str(rng.choice([rng.randrange(-5, 300), rng.randrange(10**6)]))
    pool = ["abcXYZ 0123", "%r%g%b%h%s%v%cn%hd%x #", "色見本ぬべら漢字カナ", "€ßé😀한글ä"][kind - 1]
    return "".join(rng.choice(pool) for _ in range(rng.randrange(1, 14)))


def settings_round():
    act("settings open (second start)"); start()
    wait_for(lambda s: s.close, "the settings did not open")
    for _ in range(rng.randrange(1, 6)):
        kind = rng.choice(["page", "tab", "type", "space"])
        if kind in ("type", "space") and look().focus in BIND_IDS: kind = "tab"
        if kind == "page": act("ctrl+Tab", *[("key", "ctrl+Tab")] * rng.randrange(1, 7))
        elif kind == "tab": act("Tab", *[("key", "Tab")] * rng.randrange(1, 9))
        elif kind == "space": act("space", ("key", "space"))
        else:
            text = random_text()
            act(f"type {text!r}", ("key", "ctrl+a"), ("type", "--delay", "30", text))
    act("更新 (Enter)", ("key", "Return"))
    return "settings"


def leave_menus(seen):
    for _ in range(3):
        if not seen.menus: return
        act("leave the menus", ("mousemove", 600, 757), ("click", 1))  # the empty taskbar
        seen = wait_for(lambda s: True, "")


def tray_menu():
    act("tray menu", ("mousemove", 1013, 757), ("click", 3))
    seen = wait_for(lambda s: s.menus, "the tray menu did not open")
    main = seen.menus[0]
    left, top, right, bottom = main
    name, dy = rng.choice(TRAY_ITEMS + [("none", 0)])
    if name == "none" or (name == "終了" and rng.random() > 0.5): return leave_menus(seen)
    act("menu " + name, ("mousemove", left + 40, bottom - dy), ("click", 1))
    if name == "終了": return "quit"
    seen = wait_for(lambda s: True, "")
    if subs := [m for m in seen.menus if m != main]:  # a submenu: one of its items
        l2, t2, r2, b2 = subs[0]
        act("submenu item", ("mousemove", l2 + 30, rng.randrange(t2 + 5, b2 - 4)), ("click", 1))
        seen = wait_for(lambda s: True, "")
    leave_menus(seen)


def show_palette():
    """The palette window in front with the keys' focus: the hot key, twice if it is behind."""
    seen = look()
    if seen.palette[0] and not seen.palette[1]:
        act("palette away (ctrl+P)", ("key", "ctrl+p"))
        seen = wait_for(lambda s: not s.palette[0], "the palette window did not hide")
    if not seen.palette[0]: act("palette (ctrl+P)", ("key", "ctrl+p"))
    seen = wait_for(lambda s: s.palette[0] and s.palette[1], "the palette window did not come with the keys' focus")
    # Xvfb has no window manager, and Wine's desktop may leave the X focus,
    # and the keys, with the scene: it goes to the palette's X window, as a
    # window manager would give it.
    if x("getwindowfocus") != str(seen.palette[2]):
        act("X focus to the palette", ("windowfocus", seen.palette[2]))
        wait_for(lambda s: x("getwindowfocus") == str(s.palette[2]), "the palette took no X focus")


def in_run(name):
    """The whole path: the dialogs open where they were last used."""
    return "Z:" + os.path.join(run, name).replace("/", "\\")


def file_round():
    """Exports the palette in a random format, or imports a file exported before."""
    show_palette()
    files = sorted(f for f in os.listdir(run) if f.endswith(tuple(EXPORT_TYPES)))
    importing = files and rng.random() < 0.5
    if importing:
        name = rng.choice(files)
        act(f"import {name}", ("key", "ctrl+i"))
        wait_for(lambda s: s.files, "no open dialog")
        act("type the name", ("type", "--delay", "20", in_run(name)), ("key", "Return"))
    else:
        n, name = rng.randrange(len(EXPORT_TYPES)), f"m{rng.randrange(6)}"
        act(f"export {name}{EXPORT_TYPES[n]}", ("key", "ctrl+e"))
        wait_for(lambda s: s.files, "no save dialog")
        act("type the name, then the type", ("key", "ctrl+a"), ("type", "--delay", "20", in_run(name)), ("key", "Tab"),
            *[("key", "Down")] * n, ("key", "Return"))
    found["imports" if importing else "exports"] += 1
    # Replacing a file asks first; a file velun cannot read it says so, but
    # what it wrote as GIMP or ASE palette it must read.
    for _ in range(20):
        seen = look()
        if not seen.files and not seen.boxes: return "file"
        for b in seen.boxes:
            if importing and name.endswith((".gpl", ".ase")): fail(f"what velun exported does not import: {b}")
            act("box answered " + b, ("key", "Return"))
        time.sleep(0.3)
    fail("the file dialog did not close")
    return "file"


def palette_keys():
    show_palette()
    keys = [rng.choice(["1", "2", "3", "4", "5", "q", "w", "Return", "Delete", "Left", "Right"])
            for _ in range(rng.randrange(1, 5))]
    act("palette " + " ".join(keys), *[("key", k) for k in keys])
    if "Delete" in keys: act("answer", ("key", rng.choice(["Return", "Escape"])))
    if rng.random() < 0.5: act("palette away (ctrl+P)", ("key", "ctrl+p"))


def zoom():
    keys = [rng.choice([("click", 4), ("click", 5), ("key", rng.choice(["Up", "Down", "Left", "Right"]))])
            for _ in range(rng.randrange(1, 6))]
    act("zoom " + " ".join(str(k[1]) for k in keys), move(), ("keydown", "shift"), *keys, ("keyup", "shift"))


def drag():
    b = rng.choice([1, 3])
    act(f"drag {b}", move(), ("mousedown", b), move(), ("mouseup", b))


STEPS = [lambda: act("move", move()), drag, lambda: act("spuit", move(), ("keydown", "alt"), ("click", 3),
                                                         ("keyup", "alt")),
         lambda: act("lock", ("key", "alt+F2")), lambda: act("picker", ("key", "alt+F1")), zoom, palette_keys,
         settings_round, tray_menu, file_round] + [lambda: act("move", move())] * 3


def restart():
    """After 終了 the files must be whole; velun starts again, now and then under code page 1252."""
    end = time.time() + 20
    while probe_once()[0] != 1:
        if time.time() > end: fail("velun did not end after 終了")
        time.sleep(0.5)
    r = subprocess.run([checker, run], capture_output=True, text=True)
    if r.returncode: fail("saved files: " + r.stdout.strip() + f" (code {r.returncode})")
    lang = "en_US.UTF-8" if rng.random() < 0.3 else None
    act("restart" + (" under 1252" if lang else "")); start(lang); time.sleep(3)
    found["restarts"] += 1
    found["under 1252"] += lang is not None
    return baseline()


def baseline():
    s = look(30)
    return SimpleNamespace(windows=s.windows, gdi=s.gdi, ws=s.ws, warm=set())


def warm_up(kind, seen):
    """The first settings and the first file dialog of a process make what they keep: the pages, the dialogs' DLLs."""
    if kind in bound.warm: return
    bound.warm.add(kind)
    bound.windows, bound.gdi, bound.ws = max(bound.windows, seen.windows), max(bound.gdi, seen.gdi), max(bound.ws, seen.ws)


start(); time.sleep(4)
bound, most = baseline(), dict(windows=0, gdi=0, ws=0)
print(f"monkey seed {seed}: start windows {bound.windows}, GDI objects {bound.gdi}, working set {bound.ws // 1024} KiB")
end, count = time.time() + minutes * 60, 0
while time.time() < end:
    what = rng.choice(STEPS)(); count += 1
    if what == "quit":
        bound = restart()
        continue
    seen = wait_for(lambda s: True, "")
    # Alt pressed and let go alone, as the spuit's Alt is when the hook takes
    # the click, makes the focused window's menu bar active, as Windows
    # does: the user sees it and presses Escape.
    if seen.menu_bar:
        act("leave the menu bar (Escape)", ("key", "Escape"))
        seen = wait_for(lambda s: not s.menu_bar, "the menu bar stayed active")
    # Under Wine a click that closes a menu may lose its release: the X
    # server has the button up, Wine keeps it down. A user clicks again.
    if any(seen.buttons) and (time.sleep(1) or any((seen := look()).buttons)):
        found["lost releases"] += 1
        act("click again: Wine kept a button down", ("mousemove", 600, 757),
            *[("click", (1, 3)[i]) for i, held in enumerate(seen.buttons) if held])
    # In the settings a box is the user's doing (a value refused, About...)
    # and is closed; any other box is a fault. Settings opened from the tray
    # menu are closed by 閉じる, and the bounds count with them closed.
    for _ in range(5):
        if not (seen := look()).boxes: break
        if what != "settings" and seen.close is None: fail("unexpected " + seen.boxes[0])
        found["boxes"] += len(seen.boxes)
        act("box closed " + seen.boxes[0], ("key", "Return"))
        time.sleep(0.5)
    if seen.close:
        act("settings close (閉じる)", ("mousemove", *seen.close), ("click", 1))
        seen = wait_for(lambda s: s.close is None, "the settings did not close", 10)
        warm_up("settings", seen)
    if what == "file": warm_up("file", seen)
    most = {k: max(v, getattr(seen, k)) for k, v in most.items()}
    if seen.windows > bound.windows + 10 or seen.gdi > bound.gdi + 200 or seen.ws > bound.ws + 30 * 2**20:
        fail(f"bounds: windows {seen.windows}, GDI objects {seen.gdi}, working set {seen.ws} over {vars(bound)}")
print(f"monkey seed {seed}: {count} actions in {minutes} min, passed; most windows {most['windows']}, "
      f"GDI objects {most['gdi']}, working set {most['ws'] // 1024} KiB; "
      + ", ".join(f"{k} {v}" for k, v in found.items()))
