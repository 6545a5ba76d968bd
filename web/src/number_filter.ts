// The number boxes' key filter, as in the desktop program: digits and backspace pass;
// a comma or a full stop types the decimal separator unless the box already holds one;
// every other typed character is dropped. Pasted text is not filtered: the frame's
// conversion reports what does not read as a number.

/** What a typed character becomes in a box holding `text`: itself, the separator, or nothing. */
export function filterTypedCharacter(text: string, typed: string, separator: string): string | null {
  if (/^[0-9]$/.test(typed)) return typed;
  if (typed === "," || typed === ".") return text.includes(separator) ? null : separator;
  return null;
}

export function attachNumberFilter(box: HTMLInputElement, separator: () => string): void {
  box.addEventListener("beforeinput", (event) => {
    if (event.inputType !== "insertText" || event.data === null) return;
    // Each typed character on its own (a text typed at once, as by an input method, too).
    let inserted = "";
    let text = box.value;
    for (const typed of event.data) {
      const kept = filterTypedCharacter(text, typed, separator());
      if (kept !== null) {
        inserted += kept;
        text += kept;
      }
    }
    if (inserted === event.data) return;
    event.preventDefault();
    if (inserted === "") return;
    box.setRangeText(inserted, box.selectionStart ?? box.value.length, box.selectionEnd ?? box.value.length, "end");
    box.dispatchEvent(new Event("input", { bubbles: true }));
  });
}

/** The decimal separator of a language's number format ("," for ru, "." for en). */
export function decimalSeparator(language: string): string {
  try {
    const part = new Intl.NumberFormat(language).formatToParts(1.5).find((p) => p.type === "decimal");
    return part && part.value.length === 1 ? part.value : ".";
  } catch (error) {
    // A language tag the browser does not know: the full stop, as where the setting cannot be read.
    if (error instanceof RangeError) return ".";
    throw error;
  }
}
