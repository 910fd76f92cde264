/* Tessaly's navigation where no Java runs its applets; see resources/README.md. */
(() => {
'use strict';
const W = window, D = document;
if (W.tessaly?.run) return W.tessaly.run();

const KINDS = { multdesc: 'Pull down list', MultiList: 'Scroll list', framer: 'Window list' };
const ALIGN = { top: 'top', texttop: 'text-top', middle: 'middle', absmiddle: 'middle' };
const SANS = 'Helvetica,Arial,sans-serif', SERIF = '"Times New Roman",Times,serif';
const FAMILIES = { '': SANS, helvetica: SANS, arial: SANS, times: SERIF, timesroman: SERIF,
  courier: '"Courier New",Courier,monospace', dialog: 'system-ui,sans-serif' };
const CSS = '.tessaly-applet{display:inline-flex;flex-wrap:wrap;justify-content:center;' +
  'align-items:flex-start;gap:4px;padding:4px;box-sizing:border-box;overflow:hidden;' +
  'text-align:left}.tessaly-applet :is(select,button){font:inherit}' +
  '.tessaly-list{margin:0 0 4px;padding:0;list-style:none;overflow:auto;box-sizing:border-box;' +
  'border:1px solid #777}.tessaly-list a{display:block;min-height:1.2em;padding:0 3px;' +
  'color:inherit;text-decoration:none;white-space:nowrap;outline-offset:-2px}';
const none = () => {};
let audio = null;

const number = (text, low, high, fallback) => {
  const t = (text || '').trim(), n = /^[+-]?\d{1,9}$/.test(t) ? +t : NaN;
  return n >= low && n <= high ? n : fallback;
};
const colour = (text, fallback) => {
  const n = /^\s*\d+\s*$/.test(text) ? number(text, 0, 0xffffff, -1) : -1;
  return n < 0 ? fallback : '#' + (n + 0x1000000).toString(16).slice(1);
};
const family = (name) => {
  const n = (name || '').trim();
  return FAMILIES[n.toLowerCase().replace(' ', '')] || `"${n.replace(/["\\]/g, '')}",sans-serif`;
};
// Buttons never submit a form around the applet.
const make = (doc, tag, text, props) => Object.assign(doc.createElement(tag),
  { textContent: text || '' }, tag === 'button' ? { type: 'button' } : {}, props);

// Sun audio, which no browser plays itself, is fetched once over HTTP and decoded here.
function sounder(name) {
  let element, decoded;
  return () => {
    try {
      if (!name) return;
      const url = new URL(name, D.baseURI);
      if (!/\.(au|snd)$/i.test(url.pathname)) {
        element ||= new Audio(url.href);
        element.currentTime = 0;
        return element.play().catch(none);
      }
      if (!/^https?:$/.test(url.protocol) || !W.AudioContext) return;
      audio ||= new AudioContext();
      audio.resume().catch(none);
      decoded ||= fetch(url.href).then((r) => (r.ok ? r.arrayBuffer() : null))
        .then((bytes) => bytes && decodeAu(new DataView(bytes)));
      decoded.then((buffer) => {
        const source = buffer && audio.createBufferSource();
        if (!source) return;
        source.buffer = buffer;
        source.connect(audio.destination);
        source.start();
      }).catch(none);
    } catch (e) { /* silence */ }
  };
}

// Encodings 1 (mu-law) and 2 to 5 (linear PCM, 8 to 32 bits), big-endian.
function decodeAu(v) {
  if (v.byteLength < 24 || v.getUint32(0) !== 0x2e736e64) return null;
  const [start, size, code, rate, channels] = [4, 8, 12, 16, 20].map((at) => v.getUint32(at));
  const width = [0, 1, 1, 2, 3, 4][code] || 0, step = width * channels;
  const frames = Math.floor((Math.min(v.byteLength, start + size) - start) / step);
  if (!width || channels > 32 || !(frames > 0)) return null;
  const read = (p) => {
    if (code === 1) {
      const u = ~v.getUint8(p) & 255, t = (((u & 15) << 3) + 132) << ((u >> 4) & 7);
      return (u & 128 ? 132 - t : t - 132) / 32768;
    }
    let x = v.getInt8(p);
    for (let k = 1; k < width; k++) x = x * 256 + v.getUint8(p + k);
    return x / 2 ** (8 * width - 1);
  };
  const buffer = audio.createBuffer(channels, frames, rate);
  for (let c = 0; c < channels; c++) {
    const data = buffer.getChannelData(c);
    for (let f = 0; f < frames; f++) data[f] = read(start + f * step + c * width);
  }
  return buffer;
}

function replace(applet) {
  const attr = (n) => (applet.getAttribute(n) || '').trim(), values = Object.create(null);
  const code = attr('code').replace(/\.class$/, ''), words = Object.hasOwn(KINDS, code) && KINDS[code];
  // Java that runs an applet makes its methods callable on the element.
  const java = !!applet.getAppletInfo ||
    (navigator.javaEnabled() && !(applet instanceof HTMLUnknownElement));
  if (!words || java || !applet.parentNode) return;
  for (const p of applet.children) {
    const name = p.localName === 'param' && (p.getAttribute('name') || '').toLowerCase();
    if (name && !(name in values)) values[name] = p.getAttribute('value');
  }
  const param = (n) => (n in values ? values[n] : null);
  // Cut where Tessaly joined; empty items keep their place.
  const split = (n, separator) => (param(n) ? param(n).split(separator) : []);
  const item = (list, i) => (i >= 0 && i < list.length ? list[i] : '');
  const names = split(code === 'MultiList' ? 'multidescription' : 'descriptions', ',');
  const urls = split('multidest', ', '), frames = split('frames', ',');
  const sound = sounder((param('sound') || '').trim()), style = param('fontstyle');
  const width = number(param('sizewidth'), 1, 4000, 100);
  const height = number(param('sizeheight'), 1, 4000, 50);
  const listSize = { width: width + 'px', height: height + 'px' };
  const colours = { background: colour(param('background'), '#fff'), color: colour(param('colour'), '#000') };
  const looks = Object.assign({ fontFamily: family(param('font')),
    fontSize: number(param('fontsize'), 1, 200, 10) + 'pt',
    fontWeight: /bold/i.test(style) ? 'bold' : 'normal',
    fontStyle: /italic/i.test(style) ? 'italic' : 'normal' }, colours);

  const href = (i) => {
    try {
      const a = item(urls, i).trim(), url = i < names.length && a && new URL(a, D.baseURI);
      return url && /^(https?|ftp|file|mailto):$/.test(url.protocol) ? url.href : null;
    } catch (e) { return null; }
  };
  const target = (i) => item(frames, i) || '_self';
  const blank = (i) => target(i).toLowerCase() === '_blank';
  const open = (i) => {
    const url = href(i);
    if (url === null) return;
    sound();
    if (blank(i)) W.open(url, '_blank', 'noopener'); else W.open(url, target(i));
  };
  const linkList = (doc, size, follow) => {
    const list = make(doc, 'ul', '', { className: 'tessaly-list', ariaLabel: words });
    Object.assign(list.style, colours, size);
    names.forEach((text, i) => {
      const a = make(doc, 'a', text, { tessalyIndex: i }), url = href(i);
      if (url !== null) Object.assign(a, { href: url, target: target(i) });
      list.appendChild(make(doc, 'li')).append(a);
    });
    list.onclick = (e) => {
      const a = e.target.closest('a');
      if (a && a.href) follow(e, a.tessalyIndex);
    };
    return list;
  };

  const box = make(D, 'span', '', { className: 'tessaly-applet', role: 'navigation', ariaLabel: words });
  const align = attr('align').toLowerCase();
  for (const p of ['width', 'height']) {
    const m = /^(\d+)\s*(%?)/.exec(attr(p));
    if (m) box.style[p] = m[1] + (m[2] || 'px');
  }
  if (align === 'left' || align === 'right') box.style.cssFloat = align;
  else box.style.verticalAlign = ALIGN[align] || 'baseline';
  Object.assign(box.style, looks);

  if (code === 'multdesc') {
    const select = make(D, 'select', '', { ariaLabel: words }), go = make(D, 'button', 'Go');
    let keyed = false;
    names.forEach((text) => select.append(new Option(text)));
    // Arrow keys only move; Enter, Go or a pick with the mouse opens.
    select.onkeydown = (e) => {
      keyed = !e.altKey && /^(Arrow|Home|End|Page|[^ ]$)/.test(e.key);
      if (e.key === 'Enter') open(select.selectedIndex);
    };
    select.onmousedown = () => { keyed = false; };
    select.onchange = () => {
      if (!keyed) open(select.selectedIndex);
      keyed = false;
    };
    go.onclick = () => open(select.selectedIndex);
    box.append(select, go);
  } else if (code === 'MultiList') {
    Object.assign(box.style, { display: 'inline-block', padding: '0' });
    box.append(linkList(D, listSize, sound));
  } else {
    let shown = null, dialog = null;
    const button = make(D, 'button', 'Show links');
    button.onclick = () => {
      if (shown && !shown.closed) return shown.focus();
      shown = W.open('', '', `width=${width},height=${height},resizable,scrollbars`);
      if (shown && !shown.closed) return fill(shown);
      if (!dialog) {
        const close = make(D, 'button', 'Close', { onclick: () => dialog.close() });
        dialog = make(D, 'dialog', '', { ariaLabel: words });
        Object.assign(dialog.style, looks);
        dialog.append(make(D, 'p', 'Links'),
          linkList(D, listSize, () => { sound(); dialog.close(); }), close);
        box.append(dialog);
      }
      if (!dialog.open) dialog.showModal();
    };
    W.addEventListener('pagehide', () => shown && shown.close());
    box.append(button);
  }
  const fill = (w) => {
    const doc = w.document;
    const list = linkList(doc, { width: '100%', height: '100vh', border: '0', margin: '0' }, (e, i) => {
      if (blank(i)) return sound();
      e.preventDefault(); // "_self" and frame names mean the applet's page
      open(i);
    });
    doc.title = 'Links';
    doc.head.append(make(doc, 'style', CSS));
    Object.assign(doc.body.style, looks, { margin: '0' });
    doc.body.append(list);
    const first = list.querySelector('a[href]');
    if (first) first.focus();
  };
  applet.replaceWith(box);
}

// The loading line follows the PARAM lines, so an applet being read is complete.
function run() {
  for (const applet of [...D.getElementsByTagName('applet')]) {
    if (applet.tessalyHandled) continue;
    applet.tessalyHandled = true;
    try { replace(applet); } catch (e) { /* left as it is */ }
  }
}

(D.head || D.documentElement).append(make(D, 'style', CSS));
W.tessaly = { run };
run();
if (D.readyState === 'loading') D.addEventListener('DOMContentLoaded', run);
})();
