// The page's controls by what they do. The page (index.html) keeps the desktop forms'
// names as element ids (Edit3, TrackBar4), as the tests and the controls table in
// docs/architecture.md do; findControls is the one place where a role meets its id.

import type { MapPanelElements } from "./map_panel";

export interface MainWindowControls {
  qBox: HTMLInputElement; // the point-spread width Q
  t1XSlider: HTMLInputElement;
  t1YSlider: HTMLInputElement;
  t2XSlider: HTMLInputElement; // moved by a position sweep, as is t2YSlider
  t2YSlider: HTMLInputElement;
  t1XReadOut: HTMLOutputElement; // each slider's position, written beside it
  t1YReadOut: HTMLOutputElement;
  t2XReadOut: HTMLOutputElement;
  t2YReadOut: HTMLOutputElement;
  trialCountBox: HTMLInputElement; // trials per batch
  thresholdBox: HTMLInputElement; // rewritten by a threshold sweep
  noiseCheck: HTMLInputElement; // white noise on or off
  noiseLevelSlider: HTMLInputElement; // enabled while the noise is on; set by a noise sweep
  varyPositionCheck: HTMLInputElement; // what a sweep varies: T2's position …
  varyNoiseCheck: HTMLInputElement; // … the noise level …
  varyThresholdCheck: HTMLInputElement; // … the threshold
  startButton: HTMLButtonElement; // starts and stops a sweep
  exitButton: HTMLButtonElement;
  aboutButton: HTMLButtonElement;
  copyLinkButton: HTMLButtonElement; // the inputs as a link (presets.ts)
  copyLinkStatus: HTMLElement; // says where the link went
  turnXSlider: HTMLInputElement; // the view's rotation about X, Y and Z
  turnYSlider: HTMLInputElement;
  turnZSlider: HTMLInputElement;
  probabilityBox: HTMLInputElement; // read-only: the latest batch's probability
  view: HTMLCanvasElement;
  noView: HTMLElement; // says, in the view's place, that the browser gives no WebGL 2
  window: HTMLElement; // the whole main window, hidden once the program has ended
  ended: HTMLElement; // says that the program has ended
  announce: HTMLElement; // read out by screen readers
}

export interface GraphControls {
  panel: HTMLElement; // the graph window, hidden until a sweep starts
  picture: HTMLCanvasElement;
  expectedLayer: HTMLCanvasElement;
  buttonPanel: HTMLElement; // part of the picture a screenshot saves
  savePictureButton: HTMLButtonElement; // BMP
  closeButton: HTMLButtonElement;
  savePngButton: HTMLButtonElement;
  saveDataButton: HTMLButtonElement; // CSV
  expectedCheck: HTMLInputElement;
  menu: HTMLElement; // the right click's menu
  menuSaveData: HTMLButtonElement;
  menuExpected: HTMLButtonElement;
  mapButton: HTMLButtonElement; // opens the probability map, as does menuMap
  menuMap: HTMLButtonElement;
}

export interface MapControls extends MapPanelElements {
  closeButton: HTMLButtonElement;
}

export interface AboutControls {
  box: HTMLDialogElement;
  okButton: HTMLButtonElement;
  musicCheck: HTMLInputElement;
  credits: HTMLElement;
  description: HTMLTextAreaElement;
}

export interface PageControls {
  main: MainWindowControls;
  graph: GraphControls;
  map: MapControls;
  about: AboutControls;
}

/** A preset's or a box's message is shown in the element `${id}-error` beside the control. */
export function messagePlace(control: HTMLElement): HTMLElement {
  const place = document.getElementById(`${control.id}-error`);
  if (!place) throw new Error(`no message place beside #${control.id}`);
  return place;
}

export function findControls(root: Document): PageControls {
  const ids: string[] = [];
  const byId = <T extends HTMLElement>(id: string): T => {
    const element = root.getElementById(id);
    if (!element) ids.push(id);
    return element as T;
  };
  const controls: PageControls = {
    main: {
      qBox: byId("Edit1"),
      t1XSlider: byId("TrackBar1"),
      t1YSlider: byId("TrackBar2"),
      t2XSlider: byId("TrackBar3"),
      t2YSlider: byId("TrackBar4"),
      t1XReadOut: byId("Label9"),
      t1YReadOut: byId("Label11"),
      t2XReadOut: byId("Label12"),
      t2YReadOut: byId("Label13"),
      trialCountBox: byId("Edit2"),
      thresholdBox: byId("Edit3"),
      noiseCheck: byId("CheckBox1"),
      noiseLevelSlider: byId("TrackBar5"),
      varyPositionCheck: byId("CheckBox2"),
      varyNoiseCheck: byId("CheckBox3"),
      varyThresholdCheck: byId("CheckBox4"),
      startButton: byId("Button1"),
      exitButton: byId("BitBtn1"),
      aboutButton: byId("SpeedButton1"),
      copyLinkButton: byId("copyLink"),
      copyLinkStatus: byId("copyLinkStatus"),
      turnXSlider: byId("TrackBar6"),
      turnYSlider: byId("TrackBar7"),
      turnZSlider: byId("TrackBar8"),
      probabilityBox: byId("Edit4"),
      view: byId("View3D"),
      noView: byId("noView"),
      window: byId("Form1"),
      ended: byId("ended"),
      announce: byId("announce"),
    },
    graph: {
      panel: byId("Form3"),
      picture: byId("graphCanvas"),
      expectedLayer: byId("expectedCanvas"),
      buttonPanel: byId("Form3Panel1"),
      savePictureButton: byId("Form3SpeedButton1"),
      closeButton: byId("Form3SpeedButton2"),
      savePngButton: byId("savePng"),
      saveDataButton: byId("saveCsv"),
      expectedCheck: byId("expectedCurve"),
      menu: byId("graphMenu"),
      menuSaveData: byId("graphMenuSaveCsv"),
      menuExpected: byId("graphMenuExpected"),
      mapButton: byId("showMap"),
      menuMap: byId("graphMenuMap"),
    },
    map: {
      panel: byId("MapPanel"),
      axis: byId("mapAxis"),
      progress: byId("mapProgress"),
      savePng: byId("mapSavePng"),
      saveCsv: byId("mapSaveCsv"),
      inputs: byId("mapInputs"),
      canvas: byId("mapCanvas"),
      readout: byId("mapReadout"),
      status: byId("mapStatus"),
      closeButton: byId("mapClose"),
    },
    about: {
      box: byId("AboutBox"),
      okButton: byId("OKButton"),
      musicCheck: byId("AboutCheckBox1"),
      credits: byId("credits"),
      description: byId("Memo1"),
    },
  };
  if (ids.length > 0) throw new Error(`the page lacks ${ids.join(", ")}`);
  return controls;
}
