"""Drives velun with random real input from a seed and checks it after each action."""
import os, random, subprocess, sys, time
from types import SimpleNamespace as NS

seed, minutes, work, probe, checker = int(sys.argv[1]), float(sys.argv[2]), sys.argv[3], sys.argv[4], sys.argv[5]
wine, log, rng = os.environ["WINE"], [], random.Random(seed)
actions, run = open(os.path.join(work, "actions.log"), "w"), os.path.join(work, "run")
found = dict.fromkeys(["boxes", "exports", "imports", "restarts", "under 1252"], 0)
BIND_IDS = range(1200, 1210)  # the key page's controls: the monkey drives velun by the default keys
TYPES = [".gpl", ".ase", ".css", ".json", ".txt"]
# The tray menu's items by their middle's distance from its bottom (at 100 %); Wine's tray menu takes no keys.
TRAY_ITEMS = [("ピッカーを表示", 112), ("パレットを表示", 95), ("ズーム", 69), ("範囲", 52), ("設定", 26), ("終了", 9), ("", 0)]

def x(*args): return subprocess.run(["xdotool", *map(str, args)], capture_output=True, text=True).stdout.strip()

def start(lang=None):
    subprocess.Popen([wine, "velun.exe"], cwd=run, env=dict(os.environ, LANG=lang) if lang else None,
                     stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

def fail(why):
    subprocess.run(["import", "-window", "root", shot := os.path.join(work, f"fail-{seed}.png")])
    sys.exit(f"monkey FAILED seed {seed}: {why}\nlast actions:\n" + "\n".join(log[-50:]) + f"\nscreenshot {shot}")

def probe_once(): return (r := subprocess.run([wine, probe], capture_output=True, text=True, timeout=60)).returncode, r.stdout

def look(limit=20):  # bounded: velun must answer WM_NULL
    end = time.time() + limit
    while (got := probe_once())[0] and time.time() < end: time.sleep(0.5)
    if got[0]: fail("velun " + got[1].strip())
    lines = got[1].splitlines()
    text = lambda tag: [l for l in lines if l.startswith(tag + " ")]
    nums = lambda tag: [tuple(map(int, l.split()[1:])) for l in text(tag)]
    w, p = nums("windows")[0], nums("palette")[0]
    return NS(windows=w[0], ws=w[1], gdi=w[2], boxes=text("box"), files=text("filedlg"), menus=nums("menu"),
              close=(nums("close") or [None])[0], palette=p[:2], xwin=str(p[2]), focus=p[3], menu_bar=p[4] and not text("menu"))

def act(name, *steps):
    log.append(name); actions.write(name + "\n"); actions.flush()
    for s in steps:
        if s[0] == "click":  # as long as a user's click: Wine loses the release of an instant one that closes a menu
            x("mousedown", s[1]); time.sleep(0.06); x("mouseup", s[1])
        else: x(*s)

def wait_for(what, why, limit=15):  # bounded, then as long as a user takes to see it
    end = time.time() + limit
    while not what(seen := look()):
        if time.time() > end: fail(why)
        time.sleep(0.25)
    time.sleep(0.3)
    return seen

def move(): return ("mousemove", rng.randrange(1024), rng.randrange(740))
def settled(): return wait_for(lambda s: True, "")
def keys(name, *names): act(name, *[("key", k) for k in names])

def random_text():  # numbers in and out of range, specifiers, Japanese, characters Shift-JIS cannot hold
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
        if kind == "page": keys("ctrl+Tab", *["ctrl+Tab"] * rng.randrange(1, 7))
        elif kind == "tab": keys("Tab", *["Tab"] * rng.randrange(1, 9))
        elif kind == "space": keys("space", "space")
        else: act(f"type {(t := random_text())!r}", ("key", "ctrl+a"), ("type", "--delay", "30", t))
    keys("更新 (Enter)", "Return")
    return "settings"

def tray_menu():
    act("tray menu", ("mousemove", 1013, 757), ("click", 3))
    main = wait_for(lambda s: s.menus, "the tray menu did not open").menus[0]
    name, dy = rng.choice(TRAY_ITEMS)
    if name == "終了" and rng.random() < 0.5: name = ""
    if name:
        act("menu " + name, ("mousemove", main[0] + 40, main[3] - dy), ("click", 1))
        if name == "終了": return "quit"
        if subs := [m for m in settled().menus if m != main]:  # a submenu: one of its items
            act("submenu item", ("mousemove", subs[0][0] + 30, rng.randrange(subs[0][1] + 5, subs[0][3] - 4)), ("click", 1))
    for _ in range(3):
        if not settled().menus: return
        act("leave the menus", ("mousemove", 600, 757), ("click", 1))  # the empty taskbar

def show_palette():  # in front with the keys' focus: the hot key, twice if it is behind
    if (seen := look()).palette == (1, 0):
        keys("palette away (ctrl+P)", "ctrl+p")
        seen = wait_for(lambda s: not s.palette[0], "the palette window did not hide")
    if not seen.palette[0]: keys("palette (ctrl+P)", "ctrl+p")
    seen = wait_for(lambda s: s.palette == (1, 1), "the palette window did not come with the keys' focus")
    # Xvfb has no window manager: Wine may leave the X focus, and the keys, with the scene.
    if x("getwindowfocus") != seen.xwin:
        act("X focus to the palette", ("windowfocus", seen.xwin))
        wait_for(lambda s: x("getwindowfocus") == s.xwin, "the palette took no X focus")

def file_round():
    """Exports the palette in a random format or imports an export, by whole paths (the dialogs open anywhere)."""
    show_palette()
    files = sorted(f for f in os.listdir(run) if f.endswith(tuple(TYPES)))
    importing = files and rng.random() < 0.5
    n, name = rng.randrange(len(TYPES)), rng.choice(files) if importing else f"m{rng.randrange(6)}"
    path = "Z:" + os.path.join(run, name).replace("/", "\\")
    keys(f"{'import' if importing else 'export'} {name}", "ctrl+i" if importing else "ctrl+e")
    wait_for(lambda s: s.files, "no file dialog")
    act("type the path" + ("" if importing else ", then the type"), ("key", "ctrl+a"), ("type", "--delay", "20", path),
        *([] if importing else [("key", "Tab")] + [("key", "Down")] * n), ("key", "Return"))
    found["imports" if importing else "exports"] += 1
    # Replacing a file asks first, an unreadable file is reported; a GIMP or ASE export must import.
    for _ in range(20):
        if not (seen := look()).files and not seen.boxes: return "file"
        for b in seen.boxes:
            if importing and name.endswith((".gpl", ".ase")): fail(f"what velun exported does not import: {b}")
            keys("box answered " + b, "Return")
        time.sleep(0.3)
    fail("the file dialog did not close")

def palette_keys():
    show_palette()
    pressed = [rng.choice("12345qw") if rng.random() < 0.7 else rng.choice(["Return", "Delete", "Left", "Right"])
               for _ in range(rng.randrange(1, 5))]
    keys("palette " + " ".join(pressed), *pressed)
    if "Delete" in pressed: keys("answer", rng.choice(["Return", "Escape"]))
    if rng.random() < 0.5: keys("palette away (ctrl+P)", "ctrl+p")

def zoom():
    steps = [rng.choice([("click", 4), ("click", 5), ("key", rng.choice(["Up", "Down", "Left", "Right"]))])
             for _ in range(rng.randrange(1, 6))]
    act("zoom " + " ".join(str(k[1]) for k in steps), move(), ("keydown", "shift"), *steps, ("keyup", "shift"))

def drag(b): act(f"drag {b}", move(), ("mousedown", b), move(), ("mouseup", b))

STEPS = [lambda: drag(rng.choice([1, 3])), zoom, palette_keys, settings_round, tray_menu, file_round,
         lambda: act("spuit", move(), ("keydown", "alt"), ("click", 3), ("keyup", "alt")),
         lambda: keys("lock", "alt+F2"), lambda: keys("picker", "alt+F1")] + [lambda: act("move", move())] * 4

def restart():  # the files must be whole; velun starts again, now and then under code page 1252
    end = time.time() + 20
    while probe_once()[0] != 1:
        if time.time() > end: fail("velun did not end after 終了")
        time.sleep(0.5)
    if (r := subprocess.run([checker, run], capture_output=True, text=True)).returncode: fail("saved files: " + r.stdout)
    lang = "en_US.UTF-8" if rng.random() < 0.3 else None
    act("restart" + (" under 1252" if lang else "")); start(lang); time.sleep(3)
    found["restarts"] += 1; found["under 1252"] += lang is not None
    return baseline()

# Bounds over a process's start, raised once by what its first settings and file dialog keep.
BOUNDS = dict(windows=10, gdi=200, ws=30 * 2**20)
def counts(seen): return {k: getattr(seen, k) for k in BOUNDS}
def baseline(): return dict(counts(look(30)), warm=set())

def warm_up(kind, seen):
    if kind not in bound["warm"]: bound["warm"].add(kind); bound.update({k: max(bound[k], v) for k, v in counts(seen).items()})

start(); time.sleep(4)
bound, most = baseline(), dict.fromkeys(BOUNDS, 0)
print(f"monkey seed {seed}: start windows {bound['windows']}, GDI objects {bound['gdi']}, working set {bound['ws'] // 1024} KiB")
end, count = time.time() + minutes * 60, 0
while time.time() < end:
    what = rng.choice(STEPS)(); count += 1
    if what == "quit":
        bound = restart()
        continue
    # A lone Alt (the spuit's click went elsewhere) makes a menu bar active: Escape.
    if settled().menu_bar:
        keys("leave the menu bar (Escape)", "Escape")
        wait_for(lambda s: not s.menu_bar, "the menu bar stayed active")
    # In the settings a box is the user's doing (a value refused, About...); any other is a fault.
    # Settings opened from the tray menu are closed by 閉じる; the bounds count with them closed.
    for _ in range(5):
        if not (seen := look()).boxes: break
        if what != "settings" and seen.close is None: fail("unexpected " + seen.boxes[0])
        found["boxes"] += len(seen.boxes)
        keys("box closed " + seen.boxes[0], "Return")
        time.sleep(0.5)
    if seen.close:
        act("settings close (閉じる)", ("mousemove", *seen.close), ("click", 1))
        warm_up("settings", seen := wait_for(lambda s: s.close is None, "the settings did not close", 10))
    if what == "file": warm_up("file", seen)
    most = {k: max(v, most[k]) for k, v in counts(seen).items()}
    if any(v > bound[k] + BOUNDS[k] for k, v in counts(seen).items()):
        fail(f"bounds: {counts(seen)} over {bound} by more than {BOUNDS}")
print(f"monkey seed {seed}: {count} actions in {minutes} min, passed; most windows {most['windows']}, GDI objects "
      f"{most['gdi']}, working set {most['ws'] // 1024} KiB; " + ", ".join(f"{k} {v}" for k, v in found.items()))
