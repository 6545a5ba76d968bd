// A preset in the page's address, with brenvik-cli's option names:
//   #q=7&t1=-20,-5&t2=20,5&noise=13&threshold=0.3&tests=50&vary=noise
// so that an instructor hands a class one link. The number boxes take their texts as they
// stand (with "." read as the page's decimal separator) and check them as they check what
// is typed; the sliders' and check boxes' inputs are read by brenvik-cli's own option
// parser in the model's module, and a bad one leaves its controls as they were, with
// brenvik-cli's message beside them. A name given twice counts with its last value (where
// brenvik-cli refuses an option given twice).

import type { BrenvikModel } from "./model";
import { type MainWindowControls, messagePlace } from "./page_controls";

export const kPresetNames = ["q", "t1", "t2", "noise", "threshold", "tests", "vary"] as const;

/** The address's inputs in their order (the part after "#"). */
export function presetPairs(hash: string): [string, string][] {
  return [...new URLSearchParams(hash.replace(/^#/, ""))];
}

/** The controls a preset's slider or check box input sets; its message goes beside the first. */
function controlsOf(name: string, c: MainWindowControls): HTMLInputElement[] {
  switch (name) {
    case "t1": return [c.t1XSlider, c.t1YSlider];
    case "t2": return [c.t2XSlider, c.t2YSlider];
    case "noise": return [c.noiseLevelSlider, c.noiseCheck];
    default: return [c.varyPositionCheck, c.varyNoiseCheck, c.varyThresholdCheck];
  }
}

function showMessage(controls: HTMLInputElement[], message: string): void {
  messagePlace(controls[0]).textContent = message;
  for (const control of controls) {
    if (message) control.setAttribute("aria-invalid", "true");
    else control.removeAttribute("aria-invalid");
  }
}

/** A preset's message beside the sliders and check boxes goes when the user sets them. */
export function clearPresetMessagesOnInput(c: MainWindowControls): void {
  for (const name of ["t1", "t2", "noise", "vary"]) {
    const controls = controlsOf(name, c);
    for (const control of controls)
      control.addEventListener("input", () => showMessage(controls, ""));
  }
}

/** Sets the controls from the address's inputs; returns the names it does not know. */
export function applyPreset(pairs: [string, string][], c: MainWindowControls, model: BrenvikModel, separator: string): string[] {
  const unknown: string[] = [];
  const setSlider = (slider: HTMLInputElement, value: number, readOut?: HTMLOutputElement) => {
    slider.value = String(value);
    if (readOut) readOut.value = String(value);
  };
  for (const [name, value] of pairs) {
    if (name === "q" || name === "threshold") {
      (name === "q" ? c.qBox : c.thresholdBox).value = value.replaceAll(".", separator);
      continue;
    }
    if (name === "tests") {
      c.trialCountBox.value = value;
      continue;
    }
    if (!(kPresetNames as readonly string[]).includes(name)) {
      unknown.push(name);
      continue;
    }
    const controls = controlsOf(name, c);
    const read = model.checkPreset(name, value);
    if (!read.ok) {
      showMessage(controls, read.message);
      continue;
    }
    showMessage(controls, "");
    const f = read.fields;
    if (name === "t1") {
      setSlider(c.t1XSlider, f.t1x, c.t1XReadOut);
      setSlider(c.t1YSlider, f.t1y, c.t1YReadOut);
    } else if (name === "t2") {
      setSlider(c.t2XSlider, f.t2x, c.t2XReadOut);
      setSlider(c.t2YSlider, f.t2y, c.t2YReadOut);
    } else if (name === "noise") {
      c.noiseCheck.checked = true;
      c.noiseLevelSlider.disabled = false;
      setSlider(c.noiseLevelSlider, f.noiseLevel);
    } else {
      c.varyPositionCheck.checked = f.vary.position;
      c.varyNoiseCheck.checked = f.vary.noise;
      c.varyThresholdCheck.checked = f.vary.threshold;
    }
  }
  return unknown;
}

/** The current inputs as an address's preset ("#q=…"), the decimal separator written as ".". */
export function presetOf(c: MainWindowControls, separator: string): string {
  const dotted = (text: string) => text.replaceAll(separator, ".");
  const vary = [[c.varyPositionCheck, "position"], [c.varyNoiseCheck, "noise"], [c.varyThresholdCheck, "threshold"]] as const;
  const pairs: [string, string][] = [
    ["q", dotted(c.qBox.value)],
    ["t1", `${c.t1XSlider.value},${c.t1YSlider.value}`],
    ["t2", `${c.t2XSlider.value},${c.t2YSlider.value}`],
  ];
  // Without noise brenvik-cli takes no --noise.
  if (c.noiseCheck.checked) pairs.push(["noise", c.noiseLevelSlider.value]);
  pairs.push(["threshold", dotted(c.thresholdBox.value)], ["tests", c.trialCountBox.value],
    ["vary", vary.filter(([check]) => check.checked).map(([, word]) => word).join(",") || "none"]);
  // Only what an address cannot hold as it is gets escaped, so that "-20,-5" stays readable.
  const escape = (text: string) => text.replace(/[^\w.,~-]/gu, encodeURIComponent);
  return `#${pairs.map(([name, value]) => `${name}=${escape(value)}`).join("&")}`;
}
