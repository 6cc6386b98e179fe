// The page's side of the web host: it builds the main window and each dialog from the
// program's description, keeps their controls, queues the user's actions for the program
// (which takes them one at a time, as a desktop dialog's procedure would), and hands the
// files the program writes to the user. It holds no screen logic: every message, value and
// decision comes from the program.
"use strict";

var VelmarPage = (() => {
  // The program's event kinds and the ids of OK and Cancel (interface/platform/dialog_event.h).
  const Opened = 0, Clicked = 1, FieldEntered = 2, FieldLeft = 3, TextEdited = 4, ItemChanged = 5,
        Spin = 6, Ok = 7, Cancel = 8;
  const OkId = 1, CancelId = 2;
  const clickEvent = (id) => ({kind: id === OkId ? Ok : id === CancelId ? Cancel : Clicked, id});

  // Changes the program makes raise no events; neither does focus moving between windows.
  let quiet = 0;
  const quietly = (action) => {
    quiet++;
    try { return action(); } finally { quiet--; }
  };

  const element = (tag, className, text) => {
    const e = document.createElement(tag);
    if (className) e.className = className;
    if (text !== undefined) e.textContent = text;
    return e;
  };

  // "&File": the text shown, with its mnemonic letter underlined; "&&" is a plain "&".
  const mnemonicOf = (text) => {
    const m = /&([^&])/.exec(text.replace(/&&/g, "\u0000"));
    return m ? m[1].toLowerCase() : null;
  };
  const setMnemonicText = (target, text, underline) => {
    target.textContent = "";
    let shown = false;
    for (let i = 0; i < text.length; i++) {
      if (text[i] === "&" && i + 1 < text.length) {
        i++;
        if (text[i] !== "&" && !shown && underline) {
          shown = true;
          target.appendChild(element("u", "", text[i]));
          continue;
        }
      }
      target.appendChild(document.createTextNode(text[i]));
    }
  };
  const plainText = (text) => text.replace(/&(.)/g, "$1");
  // A width the program gives in average characters of the dialog's font.
  const characters = (count) => count * 0.45 + "em";

  // ---- Layers: the main window, then each modal dialog or box over it ----

  const layers = [];  // open dialogs and boxes, the top one last
  const topLayer = () => layers[layers.length - 1];

  function openLayer(caption, closeBox, onClose) {
    flushDownloads();  // what was written before the program asks anything more
    const owner = topLayer();
    if (owner) owner.queue.length = 0;  // what the user did before this opened is not acted on
    // A dialog opened while the focus moves between fields (by the procedure of the field left)
    // gives the keyboard back where it was going, as the desktop does.
    const lastFocus = document.activeElement === document.body && owner && owner.focusGoingTo
        ? owner.focusGoingTo : document.activeElement;
    const overlay = element("div", "overlay");
    const frame = element("div", "dialog");
    frame.setAttribute("role", "dialog");
    frame.setAttribute("aria-modal", "true");
    const title = element("div", "title");
    const captionText = element("span", "caption", caption);
    captionText.id = "caption-" + (layers.length + 1);
    frame.setAttribute("aria-labelledby", captionText.id);
    title.appendChild(captionText);
    if (closeBox) {
      const close = element("button", "close", "\u00d7");
      close.tabIndex = -1;
      close.setAttribute("aria-label", "Close");
      close.addEventListener("click", onClose);
      title.appendChild(close);
    }
    frame.appendChild(title);
    overlay.appendChild(frame);
    const layer = {overlay, frame, captionText, queue: [], waiting: null, lastFocus, onKey: null};
    layers.push(layer);
    return layer;
  }

  // The keys go to the dialog on top, wherever the focus is, and Tab goes round within it.
  document.addEventListener("keydown", (event) => {
    const layer = topLayer();
    if (!layer) return;
    if (event.key === "Tab" && !event.defaultPrevented) keepTabInside(layer, event);
    if (layer.onKey) layer.onKey(event);
  });

  function keepTabInside(layer, event) {
    const stops = tabStops(layer.frame);
    if (!stops.length) return;
    const at = stops.indexOf(document.activeElement);
    const last = stops.length - 1;
    if (at < 0 || (event.shiftKey ? at === 0 : at === last)) {
      event.preventDefault();
      stops[event.shiftKey ? last : 0].focus();
    }
  }

  function showLayer(layer) {
    quietly(() => {
      document.body.appendChild(layer.overlay);
      layer.shown = true;
      if (layer.pendingFocus) layer.pendingFocus.focus();
      else focusFirst(layer.frame);
    });
  }

  function closeLayer(layer) {
    const at = layers.indexOf(layer);
    if (at >= 0) layers.splice(at, 1);
    quietly(() => {
      layer.overlay.remove();
      if (layer.lastFocus && document.contains(layer.lastFocus)) layer.lastFocus.focus();
    });
  }

  function send(layer, event) {
    if (quiet || layer !== topLayer()) return;
    if (layer.waiting) {
      const resolve = layer.waiting;
      layer.waiting = null;
      resolve(event);
    } else {
      layer.queue.push(event);
    }
  }

  function nextFrom(layer) {
    flushDownloads();
    if (layer.queue.length) return Promise.resolve(layer.queue.shift());
    return new Promise((resolve) => { layer.waiting = resolve; });
  }

  const focusable = (e) => !e.disabled && e.offsetParent !== null && e.tabIndex >= 0;
  // What Tab visits in a frame: a radio set once, at its checked button when it has one.
  const tabStops = (frame) => [...frame.querySelectorAll("input, textarea, select, button, [tabindex], a[href]")]
      .filter((e) => focusable(e) && !e.classList.contains("close") &&
                     !(e.type === "radio" && !e.checked && frame.querySelector(`input[type=radio][name="${e.name}"]:checked`)));
  // As on the desktop: the first input Tab stops at (a field, list, check box or radio button),
  // else the first button; a field's text selected, so that typing replaces it.
  function focusFirst(frame) {
    const stops = tabStops(frame);
    const first = stops.find((e) => e.matches("input, .list")) || stops.find((e) => e.tagName === "BUTTON");
    if (!first) return;
    first.focus();
    if (first.type === "text") first.select();
  }

  // ---- Dialogs built from the program's templates ----

  const dialogs = new Map();  // handle -> dialog

  function openDialog(handle, t) {
    const layer = openLayer(t.caption, t.systemMenu, () => send(layer, {kind: Cancel}));
    const d = {layer, t, controls: new Map(), elements: new Map(), lists: new Map()};
    dialogs.set(handle, d);
    layer.frame.dataset.template = t.number;
    layer.frame.classList.toggle("dense", t.dense);
    const content = element("div", t.buttonsRight ? "content right" : "content");
    const body = element("div", "grid");
    const strip = element("div", "strip");
    content.append(body, strip);
    layer.frame.appendChild(content);
    const containers = new Map([[0, body]]);
    for (const c of t.controls) d.controls.set(c.id, c);
    const buddies = new Set(t.controls.map((c) => c.label));
    for (const id of t.order) {
      const c = d.controls.get(id);
      const e = makeControl(d, c, buddies.has(c.id));
      e.dataset.id = c.id;
      d.elements.set(c.id, e);
      if (c.disabled) setEnabled(d, c.id, false);
      if (c.hidden) e.hidden = true;
      const inStrip = (c.kind === "button" || c.kind === "default") && c.row < 0;
      if (inStrip) {
        strip.appendChild(e);
      } else {
        e.style.gridRow = c.row + 1;
        e.style.gridColumn = `${c.column + 1} / span ${c.span}`;
        containers.get(c.group).appendChild(e);
      }
      if (c.kind === "group") containers.set(c.id, e.querySelector(".grid"));
    }
    for (const c of t.controls) nameControl(d, c);
    // The field a spin control steps is a Tab stop whose arrow keys move it, as on the desktop.
    t.controls.forEach((c, i) => {
      const field = c.kind === "spin" && i > 0 ? d.elements.get(t.controls[i - 1].id) : null;
      if (field && field.matches("input.field")) field.tabIndex = 0;
    });
    layer.onKey = (event) => dialogKey(d, event);
    return d;
  }

  function labelText(d, id) {
    const c = d.controls.get(id);
    return c ? plainText(text(d, id)) : "";
  }

  // A screen reader names an input by its label; a field of a column adds the column's heading.
  function nameControl(d, c) {
    if (!c.label) return;
    let name = labelText(d, c.label);
    if (c.heading) name = name.replace(/:$/, "") + " " + labelText(d, c.heading);
    const e = inputOf(d, c.id);
    if (e) e.setAttribute("aria-label", name);
  }

  const inputOf = (d, id) => {
    const e = d.elements.get(id);
    if (!e) return null;
    return e.matches("input, textarea, button, .list, a, progress") ? e : e.querySelector("input") || e;
  };

  function makeControl(d, c, isBuddy) {
    const layer = d.layer;
    switch (c.kind) {
      case "label": {
        const e = element("span", "label" + (c.centered ? " centered" : ""));
        if (c.width > 0) {
          e.style.minWidth = characters(c.width);
          e.classList.add("wrapped");
        }
        e.dataset.mnemonic = isBuddy ? "1" : "";
        setMnemonicText(e, c.text, isBuddy);
        e.dataset.text = c.text;
        e.addEventListener("click", () => focusBuddy(d, c.id));
        return e;
      }
      case "number": case "text": case "readonly": {
        const e = element("input", "field");
        e.type = "text";
        e.value = c.text;
        e.spellcheck = false;
        if (c.kind === "readonly") {
          e.readOnly = true;
          e.tabIndex = -1;
        }
        if (c.width > 0) e.style.width = characters(c.width + 2);
        e.addEventListener("focus", () => send(layer, {kind: FieldEntered, id: c.id}));
        e.addEventListener("blur", (event) => {
          layer.focusGoingTo = event.relatedTarget;
          send(layer, {kind: FieldLeft, id: c.id});
        });
        e.addEventListener("input", () => send(layer, {kind: TextEdited, id: c.id}));
        return e;
      }
      case "multiline": {
        const e = element("textarea", "multiline" + (c.table ? " table" : ""));
        e.readOnly = true;
        e.value = c.text;
        e.rows = Math.max(c.lines, 2);
        e.style.width = characters((c.width > 0 ? c.width : 40) + 3);
        if (c.table) e.wrap = "off";
        return e;
      }
      case "radio": case "check": {
        const e = element("label", "choice");
        const box = element("input");
        box.type = c.kind === "radio" ? "radio" : "checkbox";
        if (c.kind === "radio") box.name = `radio-${layer.captionText.id}-${c.group}-${c.radioSet}`;
        const caption = element("span");
        setMnemonicText(caption, c.text, true);
        e.append(box, caption);
        e.dataset.text = c.text;
        box.addEventListener(c.kind === "radio" ? "change" : "click", () => send(layer, clickEvent(c.id)));
        return e;
      }
      case "checklist": case "choicelist": return makeList(d, c);
      case "spin": {
        const e = element("span", "spin");
        [["\u25b2", 1], ["\u25bc", -1]].forEach(([arrow, step]) => {
          const b = element("button", "", arrow);
          b.tabIndex = -1;
          b.setAttribute("aria-hidden", "true");
          b.addEventListener("click", () => stepSpin(d, c.id, step));
          e.appendChild(b);
        });
        e.dataset.position = c.low;
        return e;
      }
      case "button": case "default": {
        const e = element("button", c.kind === "default" ? "default" : "");
        e.type = "button";
        setMnemonicText(e, c.text, true);
        e.dataset.text = c.text;
        e.addEventListener("click", () => send(layer, clickEvent(c.id)));
        return e;
      }
      case "group": {
        const e = element("fieldset", "group");
        const legend = element("legend");
        setMnemonicText(legend, c.text, true);
        e.dataset.text = c.text;
        e.append(legend, element("div", "grid"));
        return e;
      }
      case "link": {
        const e = element("a", "link");
        e.href = "#";
        setMnemonicText(e, c.text, true);
        e.dataset.text = c.text;
        e.addEventListener("click", (event) => {
          event.preventDefault();
          send(layer, {kind: Clicked, id: c.id});
        });
        return e;
      }
      case "chart": {
        const e = element("div", "chart");
        e.style.minWidth = characters(c.width);
        e.style.height = c.lines + "em";
        e.setAttribute("role", "img");
        e.setAttribute("aria-label", c.text);
        return e;
      }
      case "progress": {
        const e = element("progress");
        e.max = 100;
        e.value = 0;
        return e;
      }
    }
    return element("span");
  }

  // ---- Lists: one Tab stop; arrows move, Space ticks, a click chooses ----

  function makeList(d, c) {
    const e = element("div", "list");
    e.tabIndex = 0;
    e.setAttribute("role", "listbox");
    if (c.width > 0) e.style.width = characters(c.width + 3);
    if (c.lines > 0) e.style.height = (c.lines + 1) * 1.25 + "em";
    const list = {control: c, element: e, items: [], current: -1, checks: []};
    d.lists.set(c.id, list);
    e.addEventListener("keydown", (event) => {
      const count = list.items.length;
      const move = {ArrowDown: 1, ArrowUp: -1, PageDown: 8, PageUp: -8, Home: -count, End: count}[event.key];
      if (move !== undefined && count) {
        event.preventDefault();
        const to = Math.min(count - 1, Math.max(0, (list.current < 0 ? -1 : list.current) + move));
        setCurrent(list, to);
        if (c.kind === "choicelist") send(d.layer, {kind: ItemChanged, id: c.id, item: to});
      } else if (event.key === " " && c.kind === "checklist" && list.current >= 0) {
        event.preventDefault();
        toggleItem(d, list, list.current);
      }
    });
    return e;
  }

  function setCurrent(list, item) {
    list.items.forEach((row, i) => row.classList.toggle("current", i === item));
    list.current = item;
    if (item >= 0) {
      list.items[item].scrollIntoView({block: "nearest"});
      list.element.setAttribute("aria-activedescendant", list.items[item].id);
    }
  }

  function toggleItem(d, list, item) {
    list.checks[item] = !list.checks[item];
    list.items[item].setAttribute("aria-checked", String(list.checks[item]));
    send(d.layer, {kind: ItemChanged, id: list.control.id, item});
  }

  function setItems(d, id, items) {
    const list = d.lists.get(id);
    list.element.textContent = "";
    list.items = items.map((text, i) => {
      const row = element("div", "item", text);
      row.id = `${list.element.closest(".dialog").querySelector(".caption").id}-${id}-${i}`;
      row.title = text;
      row.setAttribute("role", "option");
      if (list.control.kind === "checklist") row.setAttribute("aria-checked", "false");
      row.addEventListener("mousedown", (event) => {
        event.preventDefault();
        list.element.focus();
        setCurrent(list, i);
        if (list.control.kind === "checklist") toggleItem(d, list, i);
        else send(d.layer, {kind: ItemChanged, id, item: i});
      });
      list.element.appendChild(row);
      return row;
    });
    list.checks = items.map(() => false);
    list.current = -1;
    if (list.control.kind === "checklist" && items.length) setCurrent(list, 0);
  }

  function stepSpin(d, id, step) {
    const c = d.controls.get(id);
    const e = d.elements.get(id);
    const position = Math.min(c.high, Math.max(c.low, Number(e.dataset.position) + step));
    if (position === Number(e.dataset.position)) return;
    e.dataset.position = position;
    send(d.layer, {kind: Spin, id, position});
  }

  // ---- The keyboard: Return presses the default button, Escape cancels, Alt+letter ----

  function dialogKey(d, event) {
    if (d.layer !== topLayer()) return;
    const target = event.target;
    if (event.key === "Escape") {
      event.preventDefault();
      send(d.layer, {kind: Cancel});
    } else if (event.key === "Enter" && !event.altKey && !event.ctrlKey) {
      if (target.tagName === "BUTTON" || target.tagName === "A") return;  // the focused button is pressed
      event.preventDefault();
      const button = d.t.controls.find((c) => c.kind === "default" && isLive(d, c.id));
      if (button) send(d.layer, clickEvent(button.id));
    } else if ((event.key === "ArrowUp" || event.key === "ArrowDown") && target.matches("input.field")) {
      const id = Number(target.dataset.id);
      const spin = d.t.controls[d.t.controls.findIndex((c) => c.id === id) + 1];
      if (spin && spin.kind === "spin") {
        event.preventDefault();
        stepSpin(d, spin.id, event.key === "ArrowUp" ? 1 : -1);
      }
    } else if (event.altKey && event.key.length === 1) {
      const key = event.key.toLowerCase();
      const c = d.t.controls.find((c) => mnemonicOf(text(d, c.id)) === key && isLive(d, c.id) &&
                                       c.kind !== "number" && c.kind !== "text" && c.kind !== "readonly" &&
                                       c.kind !== "multiline");
      if (!c) return;
      event.preventDefault();
      if (c.kind === "label" || c.kind === "group") focusBuddy(d, c.id);
      else inputOf(d, c.id).focus(), inputOf(d, c.id).click();
    }
  }

  const isLive = (d, id) => {
    const e = d.elements.get(id);
    return e && !e.hidden && e.offsetParent !== null && !inputOf(d, id).disabled;
  };

  // A label's mnemonic moves to the input it names; a field's text is selected, as when tabbed
  // into, so that typing replaces it.
  function focusBuddy(d, labelId) {
    const named = d.t.order.map((id) => d.controls.get(id)).find((c) => c.label === labelId && isLive(d, c.id));
    if (!named) return;
    const input = inputOf(d, named.id);
    input.focus();
    if (input.type === "text") input.select();
  }

  // ---- What the program asks of a dialog ----

  function text(d, id) {
    const e = d.elements.get(id);
    if (!e) return "";
    if (e.matches("input, textarea")) return e.value;
    return e.dataset.text !== undefined ? e.dataset.text : e.textContent;
  }

  function setText(d, id, value) {
    const e = d.elements.get(id);
    const c = d.controls.get(id);
    if (e.matches("input, textarea")) {
      e.value = value;
    } else if (c.kind === "group") {
      e.dataset.text = value;
      setMnemonicText(e.querySelector("legend"), value, true);
    } else if (c.kind === "radio" || c.kind === "check") {
      e.dataset.text = value;
      setMnemonicText(e.querySelector("span"), value, true);
    } else {
      e.dataset.text = value;
      setMnemonicText(e, value, c.kind !== "label" || e.dataset.mnemonic === "1");
    }
    for (const named of d.t.controls) if (named.label === id || named.heading === id) nameControl(d, named);
  }

  function setEnabled(d, id, enabled) {
    const e = d.elements.get(id);
    const input = inputOf(d, id);
    if (input && "disabled" in input) input.disabled = !enabled;
    if (e.matches(".list")) e.tabIndex = enabled ? 0 : -1;
    e.classList.toggle("disabled", !enabled);
    if (d.controls.get(id).kind === "group") for (const c of d.t.controls) if (c.group === id) setEnabled(d, c.id, enabled);
  }

  function dialogCall(handle, call) {
    const d = dialogs.get(handle);
    const id = call.id;
    return quietly(() => {
      switch (call.call) {
        case "caption": return d.layer.captionText.textContent;
        case "setCaption": d.layer.captionText.textContent = call.text; return 0;
        case "text": return text(d, id);
        case "setText": setText(d, id, call.text); return 0;
        case "selectAll": { const e = d.elements.get(id); if (e.select) e.select(); return 0; }
        case "checked": { const e = inputOf(d, id); return e && e.checked ? 1 : 0; }
        case "setChecked": { const e = inputOf(d, id); if (e) e.checked = call.value; return 0; }
        case "enabled": return d.elements.get(id).classList.contains("disabled") ? 0 : 1;
        case "enable": setEnabled(d, id, call.value); return 0;
        case "shown": return d.elements.get(id).hidden ? 0 : 1;
        case "show": d.elements.get(id).hidden = !call.value; return 0;
        case "focus": {
          const e = inputOf(d, id);
          if (d.layer.shown) e.focus(); else d.layer.pendingFocus = e;
          return 0;
        }
        case "setItems": setItems(d, id, call.items); return 0;
        case "itemCount": return d.lists.get(id).items.length;
        case "itemChecked": return d.lists.get(id).checks[call.item] ? 1 : 0;
        case "setItemChecked": {
          const list = d.lists.get(id);
          list.checks[call.item] = call.value;
          list.items[call.item].setAttribute("aria-checked", String(call.value));
          return 0;
        }
        case "chosenItem": return d.lists.get(id).current;
        case "chooseItem": setCurrent(d.lists.get(id), call.item); return 0;
        case "setChart": drawChart(d.elements.get(id), call.chart); return 0;
        case "setProgress": d.elements.get(id).value = Math.min(100, Math.max(0, call.value)); return 0;
        case "spinPosition": return Number(d.elements.get(id).dataset.position);
        case "setSpinPosition": d.elements.get(id).dataset.position = call.value; return 0;
      }
      return 0;
    });
  }

  function closeDialog(handle) {
    const d = dialogs.get(handle);
    dialogs.delete(handle);
    closeLayer(d.layer);
  }

  // A box of the page's own over all else, answered once: finish closes it and gives the answer;
  // its close box gives `cancelled`.
  function openBox(caption, closeBox, resolve, cancelled) {
    const box = {};
    box.layer = openLayer(caption, closeBox, () => box.finish(cancelled));
    box.finish = (answer) => {
      closeLayer(box.layer);
      resolve(answer);
    };
    return box;
  }

  // A box's row of buttons, each [caption, action, class name].
  function buttonStrip(buttons) {
    const strip = element("div", "strip");
    buttons.forEach(([label, action, className]) => {
      const b = element("button", className || "");
      b.type = "button";
      setMnemonicText(b, label, true);
      b.addEventListener("click", action);
      strip.appendChild(b);
    });
    return strip;
  }

  // ---- Message boxes ----

  function messageBox(message, caption, buttons) {
    // Answers: 0 OK, 1 Cancel, 2 Yes, 3 No; Escape gives Cancel where there is one, else No.
    const shown = [[["OK", 0]], [["&Yes", 2], ["&No", 3]], [["&Yes", 2], ["&No", 3], ["Cancel", 1]]][buttons];
    const escape = buttons === 1 ? 3 : buttons === 2 ? 1 : 0;
    return new Promise((resolve) => {
      const {layer, finish} = openBox(caption, buttons !== 1, resolve, escape);
      layer.frame.classList.add("message");
      const body = element("div", "message-text", message);
      const strip = buttonStrip(shown.map(([label, answer]) => [label, () => finish(answer)]));
      layer.frame.append(body, strip);
      layer.onKey = (event) => {
        if (event.key === "Escape") {
          event.preventDefault();
          finish(escape);
        } else if (event.altKey) {
          const i = shown.findIndex(([label]) => mnemonicOf(label) === event.key.toLowerCase());
          if (i >= 0) {
            event.preventDefault();
            finish(shown[i][1]);
          }
        }
      };
      showLayer(layer);
      strip.firstChild.focus();
    });
  }

  // ---- Files: the user's files live in memory and go out as downloads ----

  const known = new Map();  // file in the user's folder -> the time it was last handed over

  function remember(path) {
    known.set(path, FS.stat(path).mtime.getTime());
  }

  function flushDownloads() {
    const folder = "/files";
    if (!FS.analyzePath(folder).exists) return;
    for (const name of FS.readdir(folder)) {
      const path = folder + "/" + name;
      const stat = FS.stat(path);
      if (!FS.isFile(stat.mode) || known.get(path) === stat.mtime.getTime()) continue;
      known.set(path, stat.mtime.getTime());
      handOver(path, FS.readFile(path));
    }
  }

  const handles = new Map();  // file in the user's folder -> where the browser's save dialog put it
  const writes = new Map();   // place -> its latest write, so that writes to it keep their order

  // Into the place the user chose in the browser's save dialog, or as a download where there
  // is none, or where writing there fails.
  function handOver(path, bytes) {
    const handle = handles.get(path);
    if (!handle) return download(baseName(path), bytes);
    const previous = writes.get(handle) || Promise.resolve();
    writes.set(handle, previous.then(async () => {
      const writable = await handle.createWritable();
      await writable.write(bytes);
      await writable.close();
    }).catch(() => download(baseName(path), bytes)));
  }

  const mimeTypes = {pdf: "application/pdf", png: "image/png", svg: "image/svg+xml", csv: "text/csv",
                     txt: "text/plain", inp: "text/plain", html: "text/html", md: "text/plain"};
  const mimeOf = (name) => mimeTypes[name.split(".").pop().toLowerCase()] || "application/octet-stream";

  function download(name, bytes) {
    const url = URL.createObjectURL(new Blob([bytes], {type: mimeOf(name)}));
    const a = element("a");
    a.href = url;
    a.download = name;
    document.body.appendChild(a);
    a.click();
    a.remove();
    setTimeout(() => URL.revokeObjectURL(url), 60000);
  }

  const baseName = (path) => path.split("/").pop();
  const matches = (name, pattern) =>
      pattern.split(";").some((p) => new RegExp("^" + p.trim().replace(/[.+^${}()|[\]\\]/g, "\\$&")
                                                    .replace(/\*/g, ".*").replace(/\?/g, ".") + "$", "i").test(name));

  function askFileName(request) {
    return request.save ? askSaveName(request) : askOpenName(request);
  }

  // The open box: the shipped examples and this page's files in a list, or a file of the computer.
  function askOpenName(request) {
    const pattern = request.filters[0].pattern;
    const choices = [];
    [[request.folder, ""], ["/velmar/examples", "examples/"]].forEach(([folder, shownAs]) => {
      for (const name of FS.readdir(folder).sort()) {
        if (FS.isFile(FS.stat(folder + "/" + name).mode) && matches(name, pattern)) {
          choices.push({path: folder + "/" + name, shown: shownAs + name, name});
        }
      }
    });
    return new Promise((resolve) => {
      const {layer, finish} = openBox("Open", true, resolve, null);
      const content = element("div", "file-box");
      const listLabel = element("label", "label");
      setMnemonicText(listLabel, "&Files:", true);
      const list = element("select", "files");
      list.size = 10;
      list.setAttribute("aria-label", "Files");
      for (const choice of choices) list.appendChild(new Option(choice.shown, choice.path));
      if (choices.length) list.selectedIndex = 0;
      const pick = element("input");
      pick.type = "file";
      pick.accept = pattern.replace(/\*/g, "").split(";").join(",");
      pick.hidden = true;
      pick.addEventListener("change", async () => {
        const file = pick.files[0];
        if (!file) return;
        const path = request.folder + "/" + file.name;
        FS.writeFile(path, new Uint8Array(await file.arrayBuffer()));
        remember(path);
        finish(path);
      });
      const open = () => {
        const choice = choices[list.selectedIndex];
        if (!choice) return;
        if (choice.path.startsWith(request.folder + "/")) return finish(choice.path);
        // An example opens as the user's own copy, so that saving it gives them the file.
        const path = request.folder + "/" + choice.name;
        FS.writeFile(path, FS.readFile(choice.path));
        remember(path);
        finish(path);
      };
      list.addEventListener("dblclick", open);
      const strip = buttonStrip([["&Open", open, "default"], ["&Browse this computer...", () => pick.click()],
                                 ["Cancel", () => finish(null)]]);
      content.append(listLabel, list, pick);
      layer.frame.append(content, strip);
      layer.onKey = (event) => fileBoxKey(event, layer, open, finish, [listLabel, ...strip.children], list);
      showLayer(layer);
      (choices.length ? list : strip.children[1]).focus();
    });
  }

  function fileBoxKey(event, layer, accept, finish, mnemonicElements, field) {
    if (event.key === "Escape") {
      event.preventDefault();
      finish(null);
    } else if (event.key === "Enter" && event.target.tagName !== "BUTTON") {
      event.preventDefault();
      accept();
    } else if (event.altKey && event.key.length === 1) {
      const hit = mnemonicElements.find((e) => {
        const u = e.querySelector("u");
        return u && u.textContent.toLowerCase() === event.key.toLowerCase();
      });
      if (!hit) return;
      event.preventDefault();
      if (hit.tagName === "BUTTON") hit.click();
      else field.focus();
    }
  }

  // The browser's own save dialog where it has one, which also asks before replacing a file;
  // else the page's box.
  async function askSaveName(request) {
    if (window.showSaveFilePicker) {
      const pickerType = (f) => ({description: f.description,
                                  accept: {[mimeOf(f.pattern)]: ["." + f.pattern.split(".").pop()]}});
      try {
        const handle = await window.showSaveFilePicker({suggestedName: baseName(request.initial),
                                                        types: request.filters.map(pickerType)});
        const path = request.folder + "/" + handle.name;
        handles.set(path, handle);
        return path;
      } catch (e) {
        if (e.name === "AbortError") return null;  // cancelled; any other refusal leaves the page's box
      }
    }
    return askSaveNameInPage(request);
  }

  // The page's save box: a name for the file the browser will be given as a download; a bare
  // name takes the extension of the type chosen.
  function askSaveNameInPage(request) {
    return new Promise((resolve) => {
      const {layer, finish} = openBox("Save As", true, resolve, null);
      const content = element("div", "file-box");
      const nameLabel = element("label", "label");
      setMnemonicText(nameLabel, "File &name:", true);
      const name = element("input", "field");
      name.type = "text";
      name.value = baseName(request.initial);
      name.setAttribute("aria-label", "File name");
      name.style.width = "36ch";
      const typeLabel = element("label", "label");
      setMnemonicText(typeLabel, "Save as &type:", true);
      const type = element("select");
      type.setAttribute("aria-label", "Save as type");
      request.filters.forEach((f, i) => type.appendChild(new Option(f.description, i)));
      const extension = () => request.filters[type.selectedIndex].pattern.split(".").pop();
      type.addEventListener("change", () => {
        if (name.value) name.value = name.value.replace(/\.[^.]*$/, "") + "." + extension();
      });
      const save = async () => {
        let chosen = baseName(name.value.trim().replace(/\\/g, "/"));
        if (!chosen) return;
        if (!/\.[^.]+$/.test(chosen)) chosen += "." + extension();
        const path = request.folder + "/" + chosen;
        if (FS.analyzePath(path).exists) {
          const replace = await messageBox(chosen + " already exists.\nDo you want to replace it?",
                                           "Save As", 1);
          if (replace !== 2) return;
        }
        finish(path);
      };
      const strip = buttonStrip([["&Save", save, "default"], ["Cancel", () => finish(null)]]);
      content.append(nameLabel, name);
      if (request.filters.length > 1) content.append(typeLabel, type);
      layer.frame.append(content, strip);
      layer.onKey = (event) => {
        if (event.altKey && mnemonicOf("Save as &type:") === event.key.toLowerCase() && request.filters.length > 1) {
          event.preventDefault();
          type.focus();
          return;
        }
        fileBoxKey(event, layer, save, finish, [nameLabel, ...strip.children], name);
      };
      showLayer(layer);
      name.focus();
      name.setSelectionRange(0, name.value.replace(/\.[^.]*$/, "").length);
    });
  }

  // An address of the web, or of a file beside the page.
  function openAddress(address) {
    window.open(address, "_blank", "noopener");
  }

  function openDocument(path) {
    if (path.includes("://")) return openAddress(path);
    const full = path.startsWith("/") ? path : FS.cwd() + "/" + path;
    if (!FS.analyzePath(full).exists) return;
    const url = URL.createObjectURL(new Blob([FS.readFile(full)], {type: mimeOf(full)}));
    window.open(url, "_blank");
  }

  function setClipboard(value) {
    if (navigator.clipboard && window.isSecureContext) {
      navigator.clipboard.writeText(value).catch(() => copyByCommand(value));
    } else {
      copyByCommand(value);
    }
  }
  function copyByCommand(value) {
    const area = element("textarea");
    area.value = value;
    document.body.appendChild(area);
    quietly(() => area.select());
    document.execCommand("copy");
    area.remove();
  }

  const optionKey = (name) => "velmar.option." + name;
  function readOption(name) {
    try { return localStorage.getItem(optionKey(name)); } catch (e) { return null; }
  }
  function writeOption(name, value) {
    try { localStorage.setItem(optionKey(name), value); } catch (e) { /* storage refused: kept for this visit */ }
  }

  // ---- Charts, drawn by velmar_chart.js ----

  function drawChart(container, chart) {
    container.textContent = "";
    container.chart = chart;
    const width = Math.max(container.clientWidth, 300), height = Math.max(container.clientHeight, 200);
    container.appendChild(VelmarChart.svg(chart, width, height));
  }

  async function saveChart(handle, id, path) {
    const container = dialogs.get(handle).elements.get(id);
    if (!container.chart) return 0;
    const width = Math.max(container.clientWidth, 300), height = Math.max(container.clientHeight, 200);
    const text = new XMLSerializer().serializeToString(VelmarChart.svg(container.chart, width, height));
    try {
      if (/\.svg$/i.test(path)) {
        FS.writeFile(path, text);
        return 1;
      }
      const image = new Image();
      image.src = "data:image/svg+xml;charset=utf-8," + encodeURIComponent(text);
      await image.decode();
      const canvas = element("canvas");
      canvas.width = width * 2;
      canvas.height = height * 2;
      const context = canvas.getContext("2d");
      context.scale(2, 2);
      context.drawImage(image, 0, 0);
      const blob = await new Promise((resolve) => canvas.toBlob(resolve, "image/png"));
      FS.writeFile(path, new Uint8Array(await blob.arrayBuffer()));
      return 1;
    } catch (e) {
      return 0;
    }
  }

  // ---- Printing: pages of placed text, laid out as on paper and printed by the browser ----

  let printing = null;
  const measure = element("canvas").getContext("2d");
  const cssFont = (font) => `${font.points * 96 / 72}px "${font.family}", monospace`;

  function printCall(call) {
    switch (call.call) {
      case "begin": printing = {name: call.name, pages: [[]], font: {family: "Courier New", points: 10}}; return 1;
      case "font": printing.font = {family: call.family, points: call.points}; return 1;
      case "width": measure.font = cssFont(printing.font); return Math.ceil(measure.measureText(call.text).width);
      case "height": return Math.ceil(printing.font.points * 96 / 72 * 1.2);
      case "text": printing.pages[printing.pages.length - 1].push({x: call.x, y: call.y, text: call.text, font: cssFont(printing.font)}); return 1;
      case "page": printing.pages.push([]); return 1;
      case "finish": return printPages(printing);
    }
    return 0;
  }

  function printPages(document_) {
    const frame = element("iframe", "print-frame");
    document.body.appendChild(frame);
    const doc = frame.contentDocument;
    doc.title = document_.name;
    const style = doc.createElement("style");
    style.textContent = "@page { size: 8.5in 11in; margin: 0.5in; } body { margin: 0; }" +
        ".page { position: relative; width: 7.5in; height: 10in; page-break-after: always; overflow: hidden; }" +
        ".page div { position: absolute; white-space: pre; }";
    doc.head.appendChild(style);
    for (const page of document_.pages) {
      const p = doc.createElement("div");
      p.className = "page";
      for (const t of page) {
        const line = doc.createElement("div");
        line.style.left = t.x + "px";
        line.style.top = t.y + "px";
        line.style.font = t.font;
        line.textContent = t.text;
        p.appendChild(line);
      }
      doc.body.appendChild(p);
    }
    frame.contentWindow.print();
    setTimeout(() => frame.remove(), 1000);
    return 1;
  }

  // ---- The main window ----

  let commands = [], commandWaiting = null, mainWindow = null;

  function command(number) {
    if (layers.length) return;
    closeMenus();
    if (commandWaiting) {
      const resolve = commandWaiting;
      commandWaiting = null;
      resolve(number);
    } else {
      commands.push(number);
    }
  }

  function nextCommand() {
    flushDownloads();
    if (commands.length) return Promise.resolve(commands.shift());
    return new Promise((resolve) => { commandWaiting = resolve; });
  }

  function closeMenus() {
    if (!mainWindow) return;
    for (const m of mainWindow.querySelectorAll(".menu")) m.hidden = true;
    for (const b of mainWindow.querySelectorAll(".menubar > button")) b.setAttribute("aria-expanded", "false");
  }

  function showMainWindow(description) {
    document.title = description.title;
    mainWindow = element("div", "main-window");
    mainWindow.style.width = description.width + "px";
    mainWindow.style.height = description.height + "px";
    const title = element("div", "title");
    title.appendChild(element("span", "caption", description.title));
    const bar = element("div", "menubar");
    bar.setAttribute("role", "menubar");
    const menus = [];
    for (const item of description.menu) {
      let menu = menus.find((m) => m.name === item.menu);
      if (!menu) {
        menu = {name: item.menu, items: [], command: item.text ? null : item.command};
        menus.push(menu);
      }
      if (item.text) menu.items.push(item);
    }
    const heads = [];
    menus.forEach((menu, index) => {
      const head = element("button");
      head.type = "button";
      setMnemonicText(head, menu.name, true);
      head.dataset.mnemonic = mnemonicOf(menu.name);
      heads.push(head);
      const holder = element("div", "menu-holder");
      holder.appendChild(head);
      bar.appendChild(holder);
      if (menu.command !== null) {
        head.setAttribute("role", "menuitem");
        head.addEventListener("click", () => command(menu.command));
        return;
      }
      head.setAttribute("aria-haspopup", "true");
      head.setAttribute("aria-expanded", "false");
      const list = element("div", "menu");
      list.setAttribute("role", "menu");
      list.hidden = true;
      for (const item of menu.items) {
        if (item.separatorBefore) list.appendChild(element("hr"));
        const b = element("button");
        b.type = "button";
        b.setAttribute("role", "menuitem");
        setMnemonicText(b, item.text, true);
        b.dataset.mnemonic = mnemonicOf(item.text);
        b.addEventListener("click", () => command(item.command));
        list.appendChild(b);
      }
      holder.appendChild(list);
      const open = () => {
        closeMenus();
        list.hidden = false;
        head.setAttribute("aria-expanded", "true");
        list.querySelector("button").focus();
      };
      head.addEventListener("click", () => (list.hidden ? open() : closeMenus()));
      head.open = open;
      list.addEventListener("keydown", (event) => {
        const items = [...list.querySelectorAll("button")];
        const at = items.indexOf(document.activeElement);
        if (event.key === "ArrowDown" || event.key === "ArrowUp") {
          event.preventDefault();
          items[(at + (event.key === "ArrowDown" ? 1 : items.length - 1)) % items.length].focus();
        } else if (event.key === "ArrowLeft" || event.key === "ArrowRight") {
          event.preventDefault();
          const next = heads[(index + (event.key === "ArrowRight" ? 1 : heads.length - 1)) % heads.length];
          if (next.open) next.open(); else { closeMenus(); next.focus(); }
        } else if (event.key === "Escape") {
          event.preventDefault();
          closeMenus();
          head.focus();
        } else if (event.key.length === 1 && !event.ctrlKey) {
          const hit = items.find((b) => b.dataset.mnemonic === event.key.toLowerCase());
          if (hit) {
            event.preventDefault();
            hit.click();
          }
        }
      });
    });
    const picture = element("div", "picture");
    if (description.background && FS.analyzePath(description.background).exists) {
      const url = URL.createObjectURL(new Blob([FS.readFile(description.background)], {type: "image/bmp"}));
      picture.style.backgroundImage = `url(${url})`;
    }
    mainWindow.append(title, bar, picture);
    document.getElementById("velmar").replaceChildren(mainWindow);
    document.addEventListener("mousedown", (event) => {
      if (!event.target.closest(".menu-holder")) closeMenus();
    });
    document.addEventListener("keydown", (event) => {
      if (layers.length) return;
      if (event.altKey && event.key.length === 1) {
        const head = heads.find((h) => h.dataset.mnemonic === event.key.toLowerCase());
        if (head) {
          event.preventDefault();
          head.open ? head.open() : head.click();
          return;
        }
      }
      const accelerator = description.accelerators.find((a) => keysMatch(a.keys, event));
      if (accelerator) {
        event.preventDefault();
        command(accelerator.command);
      }
    });
    heads[0].focus();
  }

  // "Alt+?", "Ctrl+S", "F1": the key the browser reports and the modifiers held.
  function keysMatch(keys, event) {
    const parts = keys.split("+");
    const key = parts.pop() || "+";
    return event.key.toLowerCase() === key.toLowerCase() && event.altKey === parts.includes("Alt") &&
           event.ctrlKey === parts.includes("Ctrl") && (key.length === 1 || event.shiftKey === parts.includes("Shift"));
  }

  // While the project has unsaved changes, or a screen is open with entries not yet taken, the
  // browser asks before the page is closed or left.
  let unsaved = false;
  window.addEventListener("beforeunload", (event) => {
    if (!unsaved && !layers.length) return;
    event.preventDefault();
    event.returnValue = "";
  });
  const askBeforeLeaving = (ask) => { unsaved = ask; };

  function end() {
    flushDownloads();
    document.getElementById("velmar").replaceChildren(element("p", "ended", "The program has ended. Reload the page to start it again."));
  }

  // An event for the program, as four integers at the address given: kind, id, item, position.
  function writeEvent(e, address) {
    const at = address >> 2;
    HEAP32[at] = e.kind;
    HEAP32[at + 1] = e.id || 0;
    HEAP32[at + 2] = e.item === undefined ? -1 : e.item;
    HEAP32[at + 3] = e.position || 0;
  }

  // Text for the program, in memory it frees.
  function newString(value) {
    const size = lengthBytesUTF8(value) + 1;
    const pointer = _malloc(size);
    stringToUTF8(value, pointer, size);
    return pointer;
  }

  return {showMainWindow, nextCommand, end, openDialog, closeDialog, showDialog: (handle) => showLayer(dialogs.get(handle).layer),
          nextEvent: (handle) => nextFrom(dialogs.get(handle).layer),
          takeEvent: (handle) => dialogs.get(handle).layer.queue.shift(), dialogCall, saveChart, messageBox,
          askFileName, openDocument, openAddress, setClipboard, readOption, writeOption, printCall, newString,
          writeEvent, askBeforeLeaving};
})();
